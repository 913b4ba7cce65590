#include "import/source_import.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "import/confirm_import.h"
#include "model/formats.h"

namespace pixmora {

namespace {

constexpr const char* kReadAgainFailed = "Не удалось прочитать файл ";

void Tell(Host& host, const std::string& text) {
    host.Message(text, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
}

// A text holding a NUL byte is binary data, whatever its name says.
bool LooksBinary(std::string_view text) {
    return text.find('\0') != std::string_view::npos;
}

ImportRead Aborted() {
    ImportRead result;
    result.read.ImportAborted = true;
    return result;
}

std::string ReadWholeFile(const std::string& path, bool& ok) {
    std::ifstream file(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ok = file.is_open() && !file.bad();
    return text;
}

// An array whose length the macros give holds glyphs only; any other may open with a header.
SourceTable TableOf(std::vector<SourceArray>& arrays, std::size_t chosen,
                    const std::optional<OwnHeader>& own) {
    SourceTable table;
    for (const SourceArray& array : arrays) {
        table.arrays.push_back({array.name, array.elements, array.bytes.size()});
    }
    table.chosen = chosen;
    std::vector<std::uint8_t>& bytes = arrays[chosen].bytes;
    const int bytesPerChar =
        own ? kCellFormats[static_cast<std::size_t>(own->formatIndex)].bytesPerChar : 0;
    if (own && bytes.size() == static_cast<std::size_t>(own->count * bytesPerChar)) {
        table.own = own;
    } else {
        table.header = FindTableHeader(bytes);
    }
    const auto skipped = static_cast<std::ptrdiff_t>(table.header ? table.header->bytes : 0);
    table.glyphs.assign(bytes.begin() + skipped, bytes.end());
    return table;
}

std::string Line(const std::string& text) {
    return text + "\r";
}

}  // namespace

std::string ArrayListingText(const ArrayListing& listing) {
    return listing.name + " — элементов: " + std::to_string(listing.elements) +
           ", байт: " + std::to_string(listing.bytes);
}

std::string SourceErrorText(const SourceError& error) {
    const std::string line = std::to_string(error.line);
    std::string text;
    switch (error.fault) {
        case SourceFault::CommentNotClosed:
            text = kCommentNotClosedText + line + ".";
            break;
        case SourceFault::BraceNotClosed:
            text = kBraceNotClosedText + error.array + ", строка " + line + ".";
            break;
        case SourceFault::ValueOutOfRange:
            text = kValueOutOfRangeText + error.value + " (массив " + error.array + ", строка " +
                   line + ").";
            break;
    }
    return text + "\n" + std::string(kFontLoadStopped);
}

ImportRead ReadSourceCode(std::string_view text, Host& host) {
    if (LooksBinary(text)) {
        Tell(host, std::string(kSyntaxError) + std::string(kFontLoadStopped));
        return Aborted();
    }
    SourceArrays found = FindSourceArrays(text);
    if (found.error) {
        Tell(host, SourceErrorText(*found.error));
        return Aborted();
    }
    if (found.arrays.empty()) {
        Tell(host, std::string(kSyntaxError) + std::string(kFontLoadStopped));
        return Aborted();
    }
    std::size_t chosen = LargestArray(found.arrays);
    if (found.arrays.size() > 1) {
        std::vector<ArrayListing> listing;
        for (const SourceArray& array : found.arrays) {
            listing.push_back({array.name, array.elements, array.bytes.size()});
        }
        const std::optional<std::size_t> answer = host.ChooseArray(listing, chosen);
        if (!answer || *answer >= found.arrays.size()) {
            ImportRead cancelled = Aborted();
            cancelled.arrayCancelled = true;
            return cancelled;
        }
        chosen = *answer;
    }
    ImportRead result;
    result.table = TableOf(found.arrays, chosen, ReadOwnHeader(text));
    result.read.LastIndexRead = static_cast<int>(result.table->glyphs.size()) - 1;
    return result;
}

ImportRead ReadImportFile(const std::string& path, std::span<std::uint8_t> destination,
                          Host& host) {
    ImportRead result;
    if (IsHexPath(path) || IsBinaryPath(path)) {
        result.read = ReadFontFile(path, destination, false, host);
        return result;
    }
    result.read = ReadSourceFileUntold(path, destination);
    if (!result.read.ImportAborted && !result.read.CommentOpen) {
        return result;
    }
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kSourceCodeLimit) {
        Tell(host, kSourceTooLarge);
        return Aborted();
    }
    bool ok = false;
    const std::string text = ReadWholeFile(path, ok);
    if (!ok) {
        ImportRead failed;
        failed.read.failure = kReadAgainFailed + path;
        return failed;
    }
    // A "/*" never closed at a line end, and no array found: the reader's own failure stands.
    if (result.read.CommentOpen && FindSourceArrays(text).arrays.empty()) {
        return result;
    }
    std::fill(destination.begin(), destination.end(), 0);
    return ReadSourceCode(text, host);
}

std::vector<std::uint8_t> PlaceTable(SourceTable& table, int formatIndex, int firstCode,
                                     bool negative) {
    const int bytesPerChar = kCellFormats[static_cast<std::size_t>(formatIndex)].bytesPerChar;
    PlacedGlyphs placed =
        PlaceGlyphs(table.glyphs, bytesPerChar, firstCode, negative ? std::uint8_t{255} : 0);
    table.firstCode = firstCode;
    table.droppedBefore = placed.droppedBefore;
    table.droppedAfter = placed.droppedAfter;
    return std::move(placed.bytes);
}

int GivenFirstCode(const SourceTable& table, int formatIndex) {
    if (table.own && table.own->formatIndex == formatIndex) {
        return table.own->firstCode;
    }
    const std::vector<int> starts = StartCodes(table.glyphs.size(), formatIndex, table.header);
    if (table.header && table.header->formatIndex == formatIndex) {
        return starts.front();
    }
    return std::find(starts.begin(), starts.end(), 0) != starts.end() ? 0 : kFirstCode;
}

std::string SourceTableNote(const SourceTable& table) {
    const ArrayListing& array = table.arrays[table.chosen];
    std::string note = Line("Массив: " + array.name);
    note += Line("Прочитано байт: " + std::to_string(array.bytes));
    if (table.header) {
        const TableHeader& header = *table.header;
        note += Line("Пропущен заголовок, байт: " + std::to_string(header.bytes) + " (" +
                     std::string(kCellFormats[static_cast<std::size_t>(header.formatIndex)].name) +
                     ", первый код " + std::to_string(header.firstCode) + ", символов " +
                     std::to_string(header.count) + ")");
    }
    note += Line("Первый код: " + std::to_string(table.firstCode));
    if (table.droppedBefore > 0) {
        note += Line("Отброшено символов с кодами до 32: " + std::to_string(table.droppedBefore));
    }
    if (table.droppedAfter > 0) {
        note +=
            Line("Отброшено символов с кодами после 255: " + std::to_string(table.droppedAfter));
    }
    return note;
}

std::string OwnHeaderReport(const SourceTable& table) {
    const OwnHeader& own = *table.own;
    std::string details = "\r";
    details += SourceTableNote(table);
    return ReadParamsReport(kOwnParamsHeading, {own.formatIndex, own.scan, own.negative}, details);
}

}  // namespace pixmora
