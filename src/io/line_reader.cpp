#include "io/line_reader.h"

#include <cstring>

namespace pixmora::reader {

namespace {
constexpr std::size_t kBlockSize = 64 * 1024;
}  // namespace

bool LineReader::Refill() {
    if (ended_) {
        return false;
    }
    buffer_.erase(0, next_);
    next_ = 0;
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + kBlockSize);
    in_.read(buffer_.data() + kept, static_cast<std::streamsize>(kBlockSize));
    const auto got = static_cast<std::size_t>(in_.gcount());
    buffer_.resize(kept + got);
    ended_ = got < kBlockSize;
    return got > 0;
}

LineRead LineReader::Next(std::string_view& line) {
    std::size_t searched = next_;
    while (true) {
        const void* end = std::memchr(buffer_.data() + searched, '\n', buffer_.size() - searched);
        if (end != nullptr) {
            const auto at =
                static_cast<std::size_t>(static_cast<const char*>(end) - buffer_.data());
            line = std::string_view(buffer_).substr(next_, at - next_);
            next_ = at + 1;
            break;
        }
        searched = buffer_.size() - next_;
        if (!Refill()) {
            if (in_.bad()) {
                return LineRead::Error;
            }
            if (next_ == buffer_.size()) {
                return LineRead::End;
            }
            line = std::string_view(buffer_).substr(next_);
            next_ = buffer_.size();
            break;
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return LineRead::Line;
}

}  // namespace pixmora::reader
