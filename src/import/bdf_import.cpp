#include "import/bdf_import.h"

#include "fontfile/bdf_font.h"
#include "fontfile/font_bytes.h"
#include "fontfile/rasterise.h"
#include "import/confirm_import.h"
#include "io/font_reader.h"

namespace pixmora {

namespace {

std::string Details(const BdfFont& font) {
    std::string details = "- знаков:  " + std::to_string(font.drawn) + "\r";
    if (!font.cut.empty()) {
        details += "- обрезано знаков:  " + std::to_string(font.cut.size()) + "\r";
    }
    return details;
}

}  // namespace

bool IsBdfPath(std::string_view path) {
    return HasExtension(path, ".bdf");
}

BdfImport ReadBdfBytes(std::vector<std::uint8_t> bytes, const BdfRequest& request) {
    BdfImport result;
    try {
        const FreeTypeLibrary library;
        const BdfFont font = ReadBdfFont(library, std::move(bytes), request.formatIndex);
        result.own = font.own && !request.formatIndex;
        result.candidate =
            result.own ? Candidate{font.own->formatIndex, font.own->scan, font.own->negative}
                       : Candidate{font.formatIndex, request.scan, request.negative};
        const int width = kCellFormats[static_cast<std::size_t>(font.formatIndex)].width;
        if (!ScanOffered(width, result.candidate.scan)) {
            result.candidate.scan = kScanVertical1;
        }
        result.bytes = PackCells(font.cells, font.formatIndex, result.candidate.scan);
        if (result.candidate.negative) {
            for (std::uint8_t& byte : result.bytes) {
                byte = static_cast<std::uint8_t>(255 - byte);
            }
        }
        result.report = ReadParamsReport(result.own ? kOwnParamsHeading : kBdfHeading,
                                         result.candidate, Details(font));
    } catch (const FontFileError& error) {
        result.failure = error.what();
    }
    return result;
}

BdfImport ReadBdfImport(const std::string& path, const BdfRequest& request) {
    try {
        return ReadBdfBytes(ReadFontFileBytes(path), request);
    } catch (const FontFileError& error) {
        BdfImport result;
        result.failure = error.what();
        return result;
    }
}

}  // namespace pixmora
