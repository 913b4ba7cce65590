#include "import/font_finder.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace pixmora {

namespace {

constexpr int kDigitZero = 48;
constexpr int kCapitalA = 65;
constexpr std::array<int, 2> kAnchorCodes{kDigitZero, kCapitalA};
// A glyph of a font lights at least this many dots and at most this share of its cell.
constexpr int kMinLitDots = 3;
constexpr double kMaxLitShare = 0.65;
// Formats of at most this many bytes a glyph share a blank dot, the larger ones a blank byte.
constexpr int kSmallGlyphBytes = 8;
// Only the groups that a table's anchor is made of may make a candidate.
constexpr float kFoundThreshold = kCoverageThreshold;

struct Segment {
    std::span<const std::uint8_t> bytes;
    std::vector<std::uint32_t> litBefore;  // lit dots of bytes [0, i)
};

Segment Prepare(std::span<const std::uint8_t> bytes) {
    Segment segment{bytes, std::vector<std::uint32_t>(bytes.size() + 1)};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        segment.litBefore[i + 1] =
            segment.litBefore[i] + static_cast<std::uint32_t>(std::popcount(bytes[i]));
    }
    return segment;
}

int LitDots(const Segment& segment, std::int64_t position, int bytesPerChar) {
    const auto from = static_cast<std::size_t>(position);
    return static_cast<int>(segment.litBefore[from + static_cast<std::size_t>(bytesPerChar)] -
                            segment.litBefore[from]);
}

// The glyph's lit dots as its polarity reads them, when it lies wholly inside the segment.
std::optional<int> GlyphLit(const Segment& segment, std::int64_t position, const CellFormat& format,
                            bool negative) {
    if (position < 0 ||
        position + format.bytesPerChar > static_cast<std::int64_t>(segment.bytes.size())) {
        return std::nullopt;
    }
    const int lit = LitDots(segment, position, format.bytesPerChar);
    return negative ? format.width * format.height - lit : lit;
}

bool GlyphLike(int lit, const CellFormat& format) {
    return lit >= kMinLitDots && lit <= kMaxLitShare * format.width * format.height;
}

// For each start i: a blank place that the ten glyphs at i, i + bpc, ... share, as seen from byte
// i. Positive glyphs share a 0 bit (or byte), negative ones a 1.
std::vector<std::uint8_t> SharedBlank(const Segment& segment, const CellFormat& format,
                                      bool negative) {
    const auto bpc = static_cast<std::size_t>(format.bytesPerChar);
    const std::size_t span = bpc * kAnchorGlyphs;
    std::vector<std::uint8_t> shared;
    if (segment.bytes.size() < span) {
        return shared;
    }
    shared.resize(segment.bytes.size() - span + bpc);
    for (std::size_t i = 0; i < shared.size(); ++i) {
        std::uint8_t any = 0;
        for (std::size_t k = 0; k < kAnchorGlyphs; ++k) {
            const std::uint8_t byte = segment.bytes[i + k * bpc];
            any |= negative ? static_cast<std::uint8_t>(~byte) : byte;
        }
        shared[i] = format.bytesPerChar <= kSmallGlyphBytes ? any != 0xFF : any == 0;
    }
    return shared;
}

// Starts whose ten glyphs share a blank place somewhere among their bytes.
std::vector<std::int64_t> AnchorStarts(const Segment& segment, const CellFormat& format,
                                       bool negative) {
    const std::vector<std::uint8_t> shared = SharedBlank(segment, format, negative);
    std::vector<std::int64_t> starts;
    const auto bpc = static_cast<std::size_t>(format.bytesPerChar);
    if (shared.size() < bpc) {
        return starts;
    }
    std::size_t inWindow = 0;
    for (std::size_t k = 0; k < bpc; ++k) {
        inWindow += shared[k];
    }
    for (std::size_t start = 0; start + bpc <= shared.size(); ++start) {
        if (start > 0) {
            inWindow += shared[start + bpc - 1];
            inWindow -= shared[start - 1];
        }
        if (inWindow == 0) {
            continue;
        }
        bool glyphs = true;
        for (int k = 0; k < kAnchorGlyphs && glyphs; ++k) {
            const auto lit =
                GlyphLit(segment, static_cast<std::int64_t>(start) + k * format.bytesPerChar,
                         format, negative);
            glyphs = lit && GlyphLike(*lit, format);
        }
        if (glyphs) {
            starts.push_back(static_cast<std::int64_t>(start));
        }
    }
    return starts;
}

// The test characters of a table whose code 32 lies at code32; characters outside the segment
// are blank in the polarity read.
TestGlyphs TableTestGlyphs(const Segment& segment, std::int64_t code32, const CellFormat& format,
                           int scan, bool negative) {
    TestGlyphs glyphs;
    const auto size = static_cast<std::int64_t>(segment.bytes.size());
    for (int pair = 0; pair < kTestPairs; ++pair) {
        const std::int64_t at =
            code32 + static_cast<std::int64_t>(TestPairOf(pair).dataChar) * format.bytesPerChar;
        auto& glyph = glyphs[static_cast<std::size_t>(pair)];
        if (at >= 0 && at + format.bytesPerChar <= size) {
            glyph =
                RowsOfGlyph(segment.bytes.subspan(static_cast<std::size_t>(at),
                                                  static_cast<std::size_t>(format.bytesPerChar)),
                            scan, format.width, format.height, false);
        } else if (negative) {
            glyph = InvertedRows(GlyphRows{}, format.width, format.height);
        }
    }
    return glyphs;
}

// Lit dots of a glyph in its last column, where a font keeps its spacing margin.
int LastColumnInk(const Segment& segment, std::int64_t at, const CellFormat& format, int scan,
                  bool negative) {
    const auto glyph = segment.bytes.subspan(static_cast<std::size_t>(at),
                                             static_cast<std::size_t>(format.bytesPerChar));
    const GlyphRows rows = RowsOfGlyph(glyph, scan, format.width, format.height, negative);
    int lit = 0;
    for (int row = 0; row < format.height; ++row) {
        lit +=
            static_cast<int>((rows.rows[static_cast<std::size_t>(row)] >> (format.width - 1)) & 1);
    }
    return lit;
}

// The anchor glyphs' ink in their last column: of two readings a few bytes apart that score alike,
// the one whose margin is blank is the table's own.
int MarginInk(const Segment& segment, std::int64_t start, const CellFormat& format, int scan,
              bool negative) {
    int lit = 0;
    for (int k = 0; k < kAnchorGlyphs; ++k) {
        lit += LastColumnInk(segment, start + static_cast<std::int64_t>(k) * format.bytesPerChar,
                             format, scan, negative);
    }
    return lit;
}

// Whether the character at code belongs to the table: not lit like noise, and blank in the last
// column where the anchor glyphs keep their spacing margin there.
bool InTable(const Segment& segment, const FoundFont& found, int code) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    const std::int64_t at =
        found.code32Position + static_cast<std::int64_t>(code - kFirstCode) * format.bytesPerChar;
    const auto lit = GlyphLit(segment, at, format, found.negative);
    if (!lit || *lit > kMaxLitShare * format.width * format.height) {
        return false;
    }
    return found.marginInk > 0 ||
           LastColumnInk(segment, at, format, found.scan, found.negative) == 0;
}

// How far the table reaches around its anchor. A table starts at code 0 when every character
// below the anchor looks like one of it, else at a blank space (code 32), else at the digits or
// the anchor itself: the bytes in front of a table may look like glyphs too.
void MeasureTable(const Segment& segment, FoundFont& found, int anchorCode) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    int first = anchorCode;
    while (first > 0 && InTable(segment, found, first - 1)) {
        --first;
    }
    if (first > 0) {
        const bool blankSpace =
            GlyphLit(segment, found.code32Position, format, found.negative) == 0;
        if (first <= kFirstCode && blankSpace) {
            first = kFirstCode;
        } else {
            first = first <= kDigitZero ? kDigitZero : anchorCode;
        }
    }
    int last = anchorCode + kAnchorGlyphs - 1;
    while (last < 255 && InTable(segment, found, last + 1)) {
        ++last;
    }
    found.firstCode = first;
    found.lastCode = last;
    found.glyphCount = last - first + 1;
}

// The groups a table may hold, summed: a whole table outscores a reading of part of it in another
// format or at a shifted offset, which matches one group by chance at best.
float FinderScore(const TrialScores& scores) {
    return scores.groups[kSigns] + scores.groups[kDigits] + scores.groups[kLatin] +
           scores.groups[kCyrillic];
}

void SearchFormat(const Segment& segment, std::size_t segmentIndex, int formatIndex,
                  const ModelRows& model, std::vector<FoundFont>& found) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    for (const bool negative : {false, true}) {
        for (const std::int64_t start : AnchorStarts(segment, format, negative)) {
            for (const int anchorCode : kAnchorCodes) {
                const std::int64_t code32 =
                    start -
                    static_cast<std::int64_t>(anchorCode - kFirstCode) * format.bytesPerChar;
                FoundFont best;
                for (int scan = 0; scan < kScanCount; ++scan) {
                    if (!ScanOffered(format.width, scan)) {
                        continue;
                    }
                    const TrialScores scores =
                        ScoreTestGlyphs(TableTestGlyphs(segment, code32, format, scan, negative),
                                        model, format, negative);
                    const float anchorGroup =
                        scores.groups[anchorCode == kDigitZero ? kDigits : kLatin];
                    if (anchorGroup > kFoundThreshold && FinderScore(scores) > best.score) {
                        best = {segmentIndex,        code32, formatIndex, scan, negative, 0, 0, 0,
                                FinderScore(scores), 0,      scores};
                    }
                }
                if (best.score > 0) {
                    best.marginInk = MarginInk(segment, start, format, best.scan, negative);
                    MeasureTable(segment, best, anchorCode);
                    found.push_back(best);
                }
            }
        }
    }
}

std::int64_t TableEnd(const FoundFont& found) {
    return found.TablePosition() +
           static_cast<std::int64_t>(found.glyphCount) * found.BytesPerChar();
}

// Readings of one table at neighbouring offsets, in other formats or from both anchors overlap:
// the best of each overlapping set stays.
std::vector<FoundFont> BestOfOverlapping(std::vector<FoundFont> found) {
    std::stable_sort(found.begin(), found.end(), [](const FoundFont& a, const FoundFont& b) {
        if (a.score != b.score) {
            return a.score > b.score;
        }
        return a.marginInk != b.marginInk ? a.marginInk < b.marginInk : a.glyphCount > b.glyphCount;
    });
    std::vector<FoundFont> kept;
    for (const FoundFont& candidate : found) {
        const bool overlaps = std::any_of(kept.begin(), kept.end(), [&](const FoundFont& other) {
            return other.segment == candidate.segment &&
                   candidate.TablePosition() < TableEnd(other) &&
                   other.TablePosition() < TableEnd(candidate);
        });
        if (!overlaps) {
            kept.push_back(candidate);
        }
    }
    return kept;
}

}  // namespace

std::vector<FoundFont> FindFonts(const FirmwareImage& image, const ModelBytes& models,
                                 const FinderSettings& settings, const FinderProgress& progress) {
    std::array<ModelRows, kFormatCount> modelRows;
    for (int n = 0; n < kFormatCount; ++n) {
        modelRows[static_cast<std::size_t>(n)] = UnpackModelRows(
            models[static_cast<std::size_t>(n)], kCellFormats[static_cast<std::size_t>(n)]);
    }
    std::size_t total = 0;
    for (const ImageSegment& segment : image.segments) {
        total += segment.bytes.size();
    }
    std::vector<FoundFont> found;
    std::size_t done = 0;
    for (std::size_t s = 0; s < image.segments.size(); ++s) {
        const Segment segment = Prepare(image.segments[s].bytes);
        for (int n = 0; n < kFormatCount; ++n) {
            SearchFormat(segment, s, n, modelRows[static_cast<std::size_t>(n)], found);
            const double share =
                (static_cast<double>(done) +
                 static_cast<double>(segment.bytes.size()) * (n + 1) / kFormatCount) /
                static_cast<double>(std::max<std::size_t>(total, 1));
            if (progress && !progress(share)) {
                return {};
            }
        }
        done += segment.bytes.size();
    }
    std::vector<FoundFont> kept = BestOfOverlapping(std::move(found));
    std::erase_if(kept,
                  [&](const FoundFont& font) { return font.glyphCount < settings.minGlyphs; });
    return kept;
}

std::vector<std::uint8_t> ExtractFont(const FirmwareImage& image, const FoundFont& found) {
    const auto& bytes = image.segments.at(found.segment).bytes;
    const int bpc = found.BytesPerChar();
    const std::uint8_t blank = found.negative ? 0xFF : 0x00;
    const int last = std::max(found.lastCode, kFirstCode - 1);
    std::vector<std::uint8_t> font(static_cast<std::size_t>((last - kFirstCode + 1) * bpc), blank);
    for (int code = std::max(found.firstCode, kFirstCode); code <= last; ++code) {
        const std::int64_t at =
            found.code32Position + static_cast<std::int64_t>(code - kFirstCode) * bpc;
        if (at < 0 || at + bpc > static_cast<std::int64_t>(bytes.size())) {
            continue;
        }
        std::copy_n(bytes.begin() + at, bpc,
                    font.begin() + static_cast<std::ptrdiff_t>((code - kFirstCode) * bpc));
    }
    return font;
}

}  // namespace pixmora
