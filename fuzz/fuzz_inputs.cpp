#include "fuzz_inputs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "fontfile/bdf_font.h"
#include "fontfile/code_page_glyphs.h"
#include "fontfile/font_bytes.h"
#include "fontfile/font_face.h"
#include "fontfile/psf_font.h"
#include "fontfile/rasterise.h"
#include "import/font_finder.h"
#include "import/recognition.h"
#include "import/source_import.h"
#include "io/export.h"
#include "io/firmware_image.h"
#include "io/font_reader.h"
#include "io/model_file.h"
#include "io/number_text.h"
#include "model/formats.h"
#include "model/glyph_packing.h"
#include "quiet_host.h"
#include "transform/font_conversion.h"
#include "transform/line_mapping.h"
#include "transform/scan_change.h"

namespace pixmora::fuzz {

namespace {

// A broken promise: stop so that the fuzzer keeps the input.
void Expect(bool promise) {
    if (!promise) {
        __builtin_trap();
    }
}

std::string AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

ReadResult ReadInto(std::string_view path, const std::string& text,
                    std::span<std::uint8_t> destination, bool negative) {
    QuietHost host;
    std::istringstream file(text);
    const ReadResult result = ReadFontData(path, file, destination, negative, host);
    Expect(host.messages <= 1);
    Expect(result.LastIndexRead >= -1 &&
           result.LastIndexRead < static_cast<int>(destination.size()));
    Expect(!result.Overflow || result.LastIndexRead + 1 == static_cast<int>(destination.size()));
    return result;
}

// The first byte chooses the room: a full font image, or a small destination to test the bound.
void FeedReader(std::string_view path, std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return;
    }
    const std::size_t room =
        bytes[0] < 0x80 ? static_cast<std::size_t>(kFontDataCapacity) : (bytes[0] & 0x7FU) + 1U;
    const std::string text = AsText(bytes.subspan(1));

    std::vector<std::uint8_t> positive(room, 0);
    std::vector<std::uint8_t> negative(room, 0);
    const ReadResult plain = ReadInto(path, text, positive, false);
    const ReadResult inverted = ReadInto(path, text, negative, true);
    Expect(plain.LastIndexRead == inverted.LastIndexRead);
    Expect(plain.ImportAborted == inverted.ImportAborted && plain.Overflow == inverted.Overflow);
    for (int k = 0; k <= plain.LastIndexRead; ++k) {
        const auto at = static_cast<std::size_t>(k);
        Expect(negative[at] == 255 - positive[at]);
    }
}

const std::array<std::span<const std::uint8_t>, kFormatCount>& ShippedModels() {
    static const auto files = [] {
        std::vector<std::unique_ptr<ModelFileData>> loaded;
        QuietHost host;
        for (int n = 0; n < kFormatCount; ++n) {
            loaded.push_back(std::make_unique<ModelFileData>(
                ReadModelFile(ModelFilePath(PIXMORA_SOURCE_DIR "/data", ModelFileName(n)), host)));
            Expect(!loaded.back()->failure && !loaded.back()->ImportAborted);
        }
        return loaded;
    }();
    static const auto spans = [] {
        std::array<std::span<const std::uint8_t>, kFormatCount> models;
        for (std::size_t n = 0; n < models.size(); ++n) {
            models[n] = files[n]->ModelBuffer;
        }
        return models;
    }();
    return spans;
}

std::vector<std::string> Fields(std::span<const std::uint8_t> bytes) {
    std::vector<std::string> fields(1);
    for (const std::uint8_t byte : bytes) {
        if (byte == '|') {
            fields.emplace_back();
        } else {
            fields.back().push_back(static_cast<char>(byte));
        }
    }
    return fields;
}

}  // namespace

void FeedHexReader(std::span<const std::uint8_t> bytes) {
    FeedReader("font.hex", bytes);
}

void FeedSourceReader(std::span<const std::uint8_t> bytes) {
    FeedReader("font.fnt", bytes);
}

void FeedBinaryReader(std::span<const std::uint8_t> bytes) {
    FeedReader("font.bin", bytes);
}

void FeedBdfReader(std::span<const std::uint8_t> bytes) {
    static const FreeTypeLibrary library;
    const std::optional<int> given =
        bytes.size() % 3 == 0
            ? std::optional<int>(static_cast<int>(bytes.size() / 3 % kFormatCount))
            : std::nullopt;
    try {
        const BdfFont font = ReadBdfFont(library, {bytes.begin(), bytes.end()}, given);
        Expect(font.formatIndex >= 0 && font.formatIndex < kFormatCount);
        Expect(!given || font.formatIndex == *given);
        const CellFormat& format = kCellFormats[static_cast<std::size_t>(font.formatIndex)];
        Expect(font.cells.size() == static_cast<std::size_t>(kCharCount));
        for (const DotPicture& cell : font.cells) {
            Expect(cell.width == format.width && cell.height == format.height &&
                   cell.dots.size() == static_cast<std::size_t>(format.width * format.height));
        }
        Expect(font.drawn >= 0 && font.drawn <= kCharCount);
        Expect(font.cut.size() <= static_cast<std::size_t>(font.drawn));
    } catch (const FontFileError&) {
    }
}

void FeedModelText(std::span<const std::uint8_t> bytes) {
    QuietHost host;
    std::istringstream file(AsText(bytes));
    const ModelFileData data = ReadModelText(file, host);
    Expect(host.messages <= 1);
    Expect(data.valuesRead >= 0 && data.valuesRead <= kModelBufferSize);
    for (std::size_t k = static_cast<std::size_t>(data.valuesRead); k < data.ModelBuffer.size();
         ++k) {
        Expect(data.ModelBuffer[k] == 0);
    }
}

void FeedRecognition(std::span<const std::uint8_t> bytes) {
    const Recognition found = RecogniseData(bytes, ShippedModels());
    Expect(std::isfinite(found.bestScore));
    const Candidate& best = found.candidate;
    Expect(best.formatIndex >= 0 && best.formatIndex < kFormatCount);
    Expect(best.scan >= 0 && best.scan < kScanCount);
    Expect(ScanOffered(kCellFormats[static_cast<std::size_t>(best.formatIndex)].width, best.scan));
    Expect(found.CharSetClass >= 0 && found.CharSetClass <= 3);
    Expect(found.Recognised == (found.CharSetClass > 0));
}

void FeedFirmwareImage(std::span<const std::uint8_t> bytes) {
    for (const char* path : {"image.hex", "image.bin"}) {
        const ImageRead read = ReadFirmwareImage(bytes, path);
        Expect(read.image.has_value() == read.error.empty());
        if (!read.image) {
            continue;
        }
        std::size_t total = 0;
        for (std::size_t k = 0; k < read.image->segments.size(); ++k) {
            const ImageSegment& segment = read.image->segments[k];
            Expect(!segment.bytes.empty());
            total += segment.bytes.size();
            Expect(k == 0 || read.image->segments[k - 1].address <= segment.address);
        }
        Expect(total <= kMaxImageBytes);
        for (const FoundFont& found : FindFonts(*read.image, ShippedModels())) {
            const std::vector<std::uint8_t> font = ExtractFont(*read.image, found);
            Expect(font.size() % static_cast<std::size_t>(found.BytesPerChar()) == 0);
        }
    }
}

void FeedNumberFields(std::span<const std::uint8_t> bytes) {
    const std::vector<std::string> fields = Fields(bytes);
    for (const std::string& field : fields) {
        if (const auto whole = ParseWholeNumber(field)) {
            Expect(*whole >= -2147483648LL && *whole <= 2147483648LL);
        }
        if (const auto address = StartAddressValue(field)) {
            Expect(*address >= 0 && *address <= kMaxStartAddress);
            Expect(StartAddressText(*address).size() == 5);
        }
        if (const auto normalised = ParseStartAddress(field)) {
            Expect(ParseStartAddress(*normalised) == normalised);
        }
        if (const auto row = ModelRowNumber(field)) {
            Expect(*row >= 0 && *row <= 3);
        }
    }

    Editor ed;
    ed.win.incompleteSet = true;
    ed.win.firstCode = fields[0];
    ed.win.lastCode = fields.size() > 1 ? fields[1] : std::string();
    if (const auto range = ExportCharRange(ExportSettingsOf(ed.win))) {
        Expect(range->partial && range->first >= 0 && range->first < range->last &&
               range->last <= 223);
    }
}

namespace {

// An open font of the given format and scan holding the bytes; every third character is flagged
// drawn, so flagged empty characters and unflagged drawn ones both occur.
std::unique_ptr<Editor> OpenFont(const CellFormat& format, int scan,
                                 std::span<const std::uint8_t> data) {
    auto ed = std::make_unique<Editor>();
    ed->params.CellFormatName = std::string(format.name);
    ed->params.CellWidth = format.width;
    ed->params.CellHeight = format.height;
    ed->params.BytesPerChar = format.bytesPerChar;
    ed->params.FontByteScan = scan;
    auto& image = ed->font.FontImage;
    std::copy_n(data.begin(), std::min(data.size(), image.size()), image.begin());
    for (int index = 0; index < kCharCount; index += 3) {
        ed->font.CharDefined[static_cast<std::size_t>(index)] = kLit;
    }
    return ed;
}

// The scan change there and back through the editor gives the image again, spare byte included.
void CheckScanChange(const CellFormat& format, int scan, int otherScan,
                     std::span<const std::uint8_t> data) {
    const auto ed = OpenFont(format, scan, data);
    const auto original = ed->font.FontImage;
    const bool changed = SetFontByteScan(*ed, otherScan);
    Expect(changed == (otherScan != scan && ScanOffered(format.width, otherScan)));
    if (!changed) {
        Expect(ed->font.FontImage == original);
        return;
    }
    Expect(ed->font.FontImage[kFontBytes] == original[kFontBytes]);
    Expect(SetFontByteScan(*ed, scan));
    Expect(ed->font.FontImage == original);
}

// An enlargement through the editor either refuses and changes nothing, or gives every character
// that was drawn or flagged the dots of the old rows and columns it repeats, and leaves the others
// and everything past the last character empty.
void CheckEnlargement(const CellFormat& from, int targetIndex, int scan,
                      std::span<const std::uint8_t> data) {
    const auto ed = OpenFont(from, scan, data);
    const auto old = ed->font.FontImage;
    const auto flags = ed->font.CharDefined;
    if (!ConvertFont(*ed, targetIndex)) {
        Expect(ed->font.FontImage == old && ed->params.CellWidth == from.width);
        return;
    }
    const CellFormat& to = kCellFormats[static_cast<std::size_t>(targetIndex)];
    Expect(ed->params.CellWidth == to.width && ed->params.CellHeight == to.height);
    const LineMapping columns = MapLines(from.width, to.width);
    const LineMapping rows = MapLines(from.height, to.height);
    for (int index = 0; index < kCharCount; ++index) {
        const auto oldGlyph = CharGlyph(old, index, from.bytesPerChar);
        const bool converted =
            flags[static_cast<std::size_t>(index)] == kLit || GlyphHasDots(oldGlyph);
        const DotMatrix oldDots = UnpackGlyph(oldGlyph, scan, from.width, from.height);
        const DotMatrix newDots = UnpackGlyph(CharGlyph(ed->font.FontImage, index, to.bytesPerChar),
                                              scan, to.width, to.height);
        for (int row = 0; row < to.height; ++row) {
            for (int column = 0; column < to.width; ++column) {
                const int source = DotIndex(SourceLine(rows, row), SourceLine(columns, column));
                Expect(newDots[DotIndex(row, column)] == (converted ? oldDots[source] : 0));
            }
        }
    }
    const auto tail = std::span(ed->font.FontImage)
                          .subspan(static_cast<std::size_t>(kCharCount * to.bytesPerChar));
    Expect(!GlyphHasDots(tail));
}

}  // namespace

void FeedTransform(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kChoices = 4;
    if (bytes.size() < kChoices) {
        return;
    }
    const CellFormat& from = kCellFormats[bytes[0] % kCellFormats.size()];
    const int targetIndex = static_cast<int>(bytes[1] % kCellFormats.size());
    const int scan = bytes[2] % kScanCount;
    const int otherScan = bytes[3] % kScanCount;
    if (!ScanOffered(from.width, scan)) {
        return;
    }
    const auto data = bytes.subspan(kChoices);
    CheckScanChange(from, scan, otherScan, data);
    CheckEnlargement(from, targetIndex, scan, data);
}

void FeedSourceCode(std::span<const std::uint8_t> bytes) {
    const std::string text = AsText(bytes);
    const SourceArrays found = FindSourceArrays(text);
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (found.error) {
        Expect(found.error->line >= 1 && found.error->line <= lines);
    }
    for (const SourceArray& array : found.arrays) {
        Expect(array.elementBytes == 1 || array.elementBytes == 2 || array.elementBytes == 4);
        Expect(array.bytes.size() == array.elements * static_cast<std::size_t>(array.elementBytes));
        Expect(array.line >= 1 && array.line <= lines);
    }
    QuietHost host;
    ImportRead read = ReadSourceCode(text, host);
    Expect(read.table.has_value() != read.read.ImportAborted);
    Expect(read.table || host.messages == 1);
    if (!read.table) {
        return;
    }
    SourceTable& table = *read.table;
    const ArrayListing& chosen = table.arrays[table.chosen];
    const std::size_t skipped = table.header ? static_cast<std::size_t>(table.header->bytes) : 0;
    Expect(table.glyphs.size() + skipped == chosen.bytes);
    for (int n = 0; n < static_cast<int>(kCellFormats.size()); ++n) {
        const auto bpc =
            static_cast<std::size_t>(kCellFormats[static_cast<std::size_t>(n)].bytesPerChar);
        if (table.header && table.header->formatIndex == n) {
            Expect(table.glyphs.size() == static_cast<std::size_t>(table.header->count) * bpc);
        }
        for (const int start : StartCodes(table.glyphs.size(), n, table.header)) {
            const std::vector<std::uint8_t> placed = PlaceTable(table, n, start, start % 2 == 1);
            Expect(placed.size() <= static_cast<std::size_t>(kCharCount) * bpc);
            Expect(table.droppedBefore >= 0 && table.droppedAfter >= 0);
        }
    }
}

void FeedPsfReader(std::span<const std::uint8_t> bytes) {
    PsfFont font;
    try {
        font = ReadPsfFont(bytes);
    } catch (const FontFileError&) {
        return;
    }
    Expect(font.width > 0 && font.height > 0 && font.bytesPerGlyph > 0);
    const std::size_t count = font.glyphs.size() / static_cast<std::size_t>(font.bytesPerGlyph);
    Expect(count * static_cast<std::size_t>(font.bytesPerGlyph) == font.glyphs.size());
    for (const auto& [code, glyph] : font.glyphOf) {
        Expect(glyph >= 0 && static_cast<std::size_t>(glyph) < count);
        bool lit = false;
        for (int y = 0; y < font.height; ++y) {
            for (int x = 0; x < font.width; ++x) {
                lit = lit || font.dot(glyph, x, y);
            }
        }
        (void)lit;
    }
}

void FeedFontFace(std::span<const std::uint8_t> bytes) {
    static const FreeTypeLibrary library;
    // The length chooses the pixel size of an outline font and the smooth threshold, so that real
    // font files serve as seeds as they are.
    const int size = 4 + static_cast<int>(bytes.size() % 60);
    const int threshold = 1 + static_cast<int>(bytes.size() % 255);
    try {
        FontFace face = FontFace::OpenBytes(library, {bytes.begin(), bytes.end()});
        if (face.kind() == FaceKind::Outline) {
            face.setPixelSize(static_cast<float>(size));
        }
        for (const OutlineRendering rendering :
             {OutlineRendering{}, OutlineRendering{true, threshold}}) {
            for (const CodePageGlyph& glyph : DrawCodePage(face, rendering)) {
                const DotPicture& dots = glyph.glyph.dots;
                Expect(dots.dots.size() == static_cast<std::size_t>(dots.width) *
                                               static_cast<std::size_t>(dots.height));
                Expect(!glyph.missing || dots.blank());
            }
        }
        RasteriseOptions options;
        options.formatIndex = static_cast<int>(bytes.size() % kCellFormats.size());
        options.bold = bytes.size() % 2 == 1;
        const RasterisedFont font = RasteriseFont(face, options);
        const CellFormat& format = kCellFormats[static_cast<std::size_t>(options.formatIndex)];
        Expect(font.cells.size() == static_cast<std::size_t>(kCharCount));
        for (const DotPicture& cell : font.cells) {
            Expect(cell.width == format.width && cell.height == format.height);
        }
    } catch (const FontFileError&) {
    }
}

FuzzBody FuzzBodyByName(std::string_view name) {
    constexpr std::array<std::pair<std::string_view, FuzzBody>, 12> kBodies{{
        {"binary_reader", FeedBinaryReader},
        {"bdf_reader", FeedBdfReader},
        {"firmware_image", FeedFirmwareImage},
        {"psf_reader", FeedPsfReader},
        {"font_face", FeedFontFace},
        {"hex_reader", FeedHexReader},
        {"source_reader", FeedSourceReader},
        {"source_code", FeedSourceCode},
        {"model_text", FeedModelText},
        {"recognition", FeedRecognition},
        {"number_fields", FeedNumberFields},
        {"transform", FeedTransform},
    }};
    for (const auto& [bodyName, body] : kBodies) {
        if (bodyName == name) {
            return body;
        }
    }
    return nullptr;
}

}  // namespace pixmora::fuzz
