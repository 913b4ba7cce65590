// Lines of a stream read a block at a time: the readers of font and model files walk hundreds of
// kilobytes of text per import, and a line handed out as a view of the block costs no copy.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace pixmora::reader {

enum class LineRead { Line, End, Error };

class LineReader {
  public:
    explicit LineReader(std::istream& in) : in_(in) {}

    // The next line without its end (LF, or CR LF); the view lasts until the next call. A last
    // line without an end is a line; nothing after the last line end is not.
    LineRead Next(std::string_view& line);

    // True once the stream reported a failed read.
    bool Failed() const { return in_.bad(); }

  private:
    // Appends the next block of the stream to what is left unread; false when nothing more came.
    bool Refill();

    std::istream& in_;
    std::string buffer_;
    std::size_t next_ = 0;  // first unread character of buffer_
    bool ended_ = false;
};

}  // namespace pixmora::reader
