#include "finder_images.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fontfile/font_bytes.h"
#include "fontfile/font_face.h"
#include "fontfile/rasterise.h"
#include "model/font_model.h"
#include "model/formats.h"

namespace pixmora::finder_images {

namespace {

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void AppendLoaded(std::span<const std::uint8_t> object, Bytes& code) {
    const ImageRead read = ReadElfImage(object);
    if (!read.image) {
        return;
    }
    for (const ImageSegment& segment : read.image->segments) {
        code.insert(code.end(), segment.bytes.begin(), segment.bytes.end());
    }
}

// The members of a Unix ar archive: "!<arch>\n", then per member a 60-byte header whose bytes
// 48..57 give the size in decimal, the member, and a padding byte to an even offset.
void AppendArchive(std::span<const std::uint8_t> archive, Bytes& code) {
    constexpr std::size_t kMagic = 8;
    constexpr std::size_t kHeader = 60;
    constexpr std::size_t kSizeField = 48;
    if (archive.size() < kMagic || std::memcmp(archive.data(), "!<arch>\n", kMagic) != 0) {
        return;
    }
    std::size_t at = kMagic;
    while (at + kHeader <= archive.size()) {
        const std::string sizeText(
            archive.begin() + static_cast<std::ptrdiff_t>(at + kSizeField),
            archive.begin() + static_cast<std::ptrdiff_t>(at + kSizeField + 10));
        const std::size_t size = std::strtoull(sizeText.c_str(), nullptr, 10);
        const std::size_t start = at + kHeader;
        if (size > archive.size() - start) {
            return;
        }
        AppendLoaded(archive.subspan(start, size), code);
        at = start + size + size % 2;
    }
}

std::size_t Between(std::mt19937& random, std::size_t low, std::size_t high) {
    return std::uniform_int_distribution<std::size_t>(low, high)(random);
}

}  // namespace

Bytes MachineCode(const std::string& libDir) {
    Bytes code;
    for (const char* name : kAvrObjectFiles) {
        const std::filesystem::path path = std::filesystem::path(libDir) / name;
        const Bytes bytes = ReadFile(path);
        if (path.extension() == ".a") {
            AppendArchive(bytes, code);
        } else {
            AppendLoaded(bytes, code);
        }
    }
    return code;
}

Bytes Noise(std::span<const std::uint8_t> code, std::mt19937& random, std::size_t size) {
    constexpr std::size_t kFillShare = 10;  // one run of fill in ten
    Bytes bytes;
    bytes.reserve(size);
    while (bytes.size() < size && !code.empty()) {
        const std::size_t length = std::min(Between(random, 64, 4096), size - bytes.size());
        if (Between(random, 1, kFillShare) == 1) {
            bytes.insert(bytes.end(), length, Between(random, 0, 1) == 0 ? 0x00 : 0xFF);
            continue;
        }
        const std::size_t piece = std::min(length, code.size());
        const std::size_t from = Between(random, 0, code.size() - piece);
        bytes.insert(bytes.end(), code.begin() + static_cast<std::ptrdiff_t>(from),
                     code.begin() + static_cast<std::ptrdiff_t>(from + piece));
    }
    return bytes;
}

std::vector<std::string> DrawingFonts() {
    const std::string truetype = "/usr/share/fonts/truetype/";
    return {truetype + "dejavu/DejaVuSansMono.ttf",
            truetype + "dejavu/DejaVuSans-Bold.ttf",
            truetype + "dejavu/DejaVuSerif.ttf",
            truetype + "liberation/LiberationMono-Regular.ttf",
            truetype + "liberation/LiberationSans-Regular.ttf",
            truetype + "freefont/FreeMono.ttf",
            truetype + "freefont/FreeSansBold.ttf",
            truetype + "noto/NotoMono-Regular.ttf",
            "/usr/share/fonts/X11/misc/5x7.pcf.gz",
            "/usr/share/fonts/X11/misc/6x13.pcf.gz",
            "/usr/share/consolefonts/FullCyrSlav-VGA8.psf.gz",
            "/usr/share/consolefonts/FullCyrSlav-VGA16.psf.gz"};
}

DrawnFont DrawFont(const std::string& path, int formatIndex) {
    DrawnFont drawn{path, formatIndex, {}};
    if (!std::filesystem::exists(path)) {
        return drawn;
    }
    try {
        const FreeTypeLibrary library;
        FontFace face = FontFace::Open(library, path);
        RasteriseOptions options;
        options.formatIndex = formatIndex;
        const RasterisedFont font = RasteriseFont(face, options);
        const int width = kCellFormats[static_cast<std::size_t>(formatIndex)].width;
        for (int scan = 0; scan < kScanCount; ++scan) {
            if (ScanOffered(width, scan)) {
                drawn.byScan[static_cast<std::size_t>(scan)] =
                    PackRasterised(font, formatIndex, scan);
            }
        }
    } catch (const FontFileError&) {
        // A font that draws nothing in this format is left out of the images.
    }
    return drawn;
}

Bytes TableBytes(std::span<const std::uint8_t> font, int bytesPerChar, TableShape shape,
                 bool negative) {
    constexpr int kLowerCaseA = 97;
    const auto bpc = static_cast<std::size_t>(bytesPerChar);
    Bytes table;
    for (int code = shape.firstCode; code <= shape.lastCode; ++code) {
        const int from = code < kFirstCode ? code + kLowerCaseA : code;
        const auto glyph = font.subspan(static_cast<std::size_t>(from - kFirstCode) * bpc, bpc);
        table.insert(table.end(), glyph.begin(), glyph.end());
    }
    if (negative) {
        for (auto& byte : table) {
            byte = static_cast<std::uint8_t>(~byte);
        }
    }
    return table;
}

TestImage EmbedTables(std::span<const std::uint8_t> code, std::vector<Table> tables,
                      std::mt19937& random, std::size_t gapMin, std::size_t gapMax) {
    TestImage test;
    Bytes bytes;
    for (Table& table : tables) {
        const Bytes noise = Noise(code, random, Between(random, gapMin, gapMax));
        bytes.insert(bytes.end(), noise.begin(), noise.end());
        table.what.segment = 0;
        table.what.position = static_cast<std::int64_t>(bytes.size());
        bytes.insert(bytes.end(), table.bytes.begin(), table.bytes.end());
        test.fonts.push_back(std::move(table.what));
    }
    const Bytes tail = Noise(code, random, Between(random, gapMin, gapMax));
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    test.image = FirmwareImage{ImageKind::Binary, {{0, 0, std::move(bytes)}}};
    return test;
}

std::string IntelHexText(const FirmwareImage& image) {
    std::string text;
    char line[64];
    const auto record = [&](int count, std::uint32_t address, int type, const std::uint8_t* data) {
        int sum =
            count + static_cast<int>(address >> 8 & 0xFF) + static_cast<int>(address & 0xFF) + type;
        int at = std::snprintf(line, sizeof line, ":%02X%04X%02X", count,
                               static_cast<unsigned>(address & 0xFFFF), type);
        for (int k = 0; k < count; ++k) {
            sum += data[k];
            at += std::snprintf(line + at, sizeof line - static_cast<std::size_t>(at), "%02X",
                                data[k]);
        }
        std::snprintf(line + at, sizeof line - static_cast<std::size_t>(at), "%02X\n",
                      (256 - sum % 256) % 256);
        text += line;
    };
    std::uint64_t upper = 0;
    for (const ImageSegment& segment : image.segments) {
        for (std::size_t k = 0; k < segment.bytes.size(); k += 16) {
            const std::uint64_t address = segment.address + k;
            if (address >> 16 != upper) {
                upper = address >> 16;
                const std::uint8_t high[2] = {static_cast<std::uint8_t>(upper >> 8),
                                              static_cast<std::uint8_t>(upper)};
                record(2, 0, 4, high);
            }
            // A record never runs over a 64 KiB boundary: the segments here start 16-aligned.
            const int count = static_cast<int>(std::min<std::size_t>(16, segment.bytes.size() - k));
            record(count, static_cast<std::uint32_t>(address & 0xFFFF), 0,
                   segment.bytes.data() + k);
        }
    }
    record(0, 0, 1, nullptr);
    return text;
}

TestImage AsIntelHexWithGaps(const TestImage& binary, std::uint64_t base, std::mt19937& random) {
    constexpr std::size_t kAlign = 16;
    const Bytes& bytes = binary.image.segments.at(0).bytes;
    // Holes go into the noise between two tables (and before the first), 16-aligned.
    std::vector<std::pair<std::size_t, std::size_t>> holes;
    std::size_t noiseStart = 0;
    for (const Embedded& font : binary.fonts) {
        const auto tableStart = static_cast<std::size_t>(font.position);
        const std::size_t from = (noiseStart + kAlign - 1) / kAlign * kAlign + kAlign;
        const std::size_t to = tableStart / kAlign * kAlign;
        if (to > from + 2 * kAlign) {
            const std::size_t start = from + Between(random, 0, (to - from) / 2 / kAlign) * kAlign;
            holes.push_back({start, std::min(to, start + Between(random, 1, 64) * kAlign)});
        }
        const int bpc = kCellFormats[static_cast<std::size_t>(font.formatIndex)].bytesPerChar;
        noiseStart = tableStart + static_cast<std::size_t>(
                                      (font.shape.lastCode - font.shape.firstCode + 1) * bpc);
    }
    FirmwareImage cut{ImageKind::IntelHex, {}};
    std::size_t from = 0;
    for (const auto& [start, end] : holes) {
        cut.segments.push_back({base + from, 0,
                                Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                                      bytes.begin() + static_cast<std::ptrdiff_t>(start))});
        from = end;
    }
    cut.segments.push_back(
        {base + from, 0, Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end())});
    TestImage hex{*ReadIntelHexImage(IntelHexText(cut)).image, binary.fonts};
    for (Embedded& font : hex.fonts) {
        const std::uint64_t address = base + static_cast<std::uint64_t>(font.position);
        for (std::size_t s = 0; s < hex.image.segments.size(); ++s) {
            const ImageSegment& segment = hex.image.segments[s];
            if (address >= segment.address && address < segment.address + segment.bytes.size()) {
                font.segment = s;
                font.position = static_cast<std::int64_t>(address - segment.address);
            }
        }
    }
    return hex;
}

}  // namespace pixmora::finder_images
