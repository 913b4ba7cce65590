// The binary branch of ReadFontData: the file's bytes are the data, as they are.
#include <iterator>

#include "io/reader_detail.h"

namespace pixmora::reader {

ReadResult ReadBinaryData(std::istream& in, ByteSink& sink) {
    ReadResult result;
    for (std::istreambuf_iterator<char> byte(in), end; byte != end; ++byte) {
        if (SinkFull(sink)) {
            result.Overflow = true;
            break;
        }
        StoreByte(sink, static_cast<std::uint8_t>(*byte));
    }
    if (in.bad()) {
        result.failure = std::string(kReadFailed);
    }
    result.LastIndexRead = static_cast<int>(sink.next) - 1;
    return result;
}

}  // namespace pixmora::reader
