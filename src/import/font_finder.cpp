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

// For each i of [0, size - window]: the OR of bytes [i, i + window), each XORed with flip. Two
// passes over blocks of the window's length (running ORs from each block's start and to its end)
// give every window with two lookups, whatever its length.
std::vector<std::uint8_t> WindowOr(std::span<const std::uint8_t> bytes, std::size_t window,
                                   std::uint8_t flip) {
    if (bytes.size() < window) {
        return {};
    }
    std::vector<std::uint8_t> fromStart(bytes.size());
    std::vector<std::uint8_t> toEnd(bytes.size());
    for (std::size_t block = 0; block < bytes.size(); block += window) {
        const std::size_t end = std::min(bytes.size(), block + window);
        std::uint8_t any = 0;
        for (std::size_t i = block; i < end; ++i) {
            any |= static_cast<std::uint8_t>(bytes[i] ^ flip);
            fromStart[i] = any;
        }
        any = 0;
        for (std::size_t i = end; i-- > block;) {
            any |= static_cast<std::uint8_t>(bytes[i] ^ flip);
            toEnd[i] = any;
        }
    }
    std::vector<std::uint8_t> windows(bytes.size() - window + 1);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i] = static_cast<std::uint8_t>(toEnd[i] | fromStart[i + window - 1]);
    }
    return windows;
}

// The blank lines of the starts of one block, in one format and polarity. The digits and capitals
// of a font share blank lines: the spacing margin, the rows below the baseline or above the
// capitals. Read in a vertical scan a shared blank row is a bit clear in every byte of a band of
// all ten glyphs; a shared blank column in a vertical scan, or row in a horizontal one, is a byte
// blank in all ten glyphs. Machine code rarely has either.
struct BlankLines {
    std::int64_t from = 0;
    std::vector<std::uint8_t> blankByte;  // [start - from]: a byte place blank in all ten glyphs
    std::vector<std::uint8_t> bandOr;     // [i - from]: OR of the band of one glyph from byte i

    BlankLines(const Segment& segment, const CellFormat& format, bool negative, std::int64_t from,
               std::int64_t last)
        : from(from) {
        if (last <= from) {
            return;
        }
        const auto bpc = static_cast<std::size_t>(format.bytesPerChar);
        const auto count = static_cast<std::size_t>(last - from);
        const auto bytes =
            segment.bytes.subspan(static_cast<std::size_t>(from), count + bpc * kAnchorGlyphs - 1);
        const std::uint8_t blank = negative ? 0xFF : 0x00;
        std::vector<std::uint8_t> shared(count + bpc - 1);
        for (std::size_t i = 0; i < shared.size(); ++i) {
            std::size_t k = 0;
            while (k < kAnchorGlyphs && bytes[i + k * bpc] == blank) {
                ++k;
            }
            shared[i] = k == kAnchorGlyphs ? 1 : 0;
        }
        blankByte = WindowOr(shared, bpc, 0);
        bandOr = WindowOr(bytes, static_cast<std::size_t>(format.width), blank);
    }

    bool Shared(std::int64_t start, const CellFormat& format) const {
        if (blankByte[static_cast<std::size_t>(start - from)] != 0) {
            return true;
        }
        const auto first = static_cast<std::size_t>(start - from);
        for (int band = 0; band < format.height / 8; ++band) {
            std::uint8_t any = 0;
            for (int k = 0; k < kAnchorGlyphs && any != 0xFF; ++k) {
                any |= bandOr[first + static_cast<std::size_t>(k * format.bytesPerChar +
                                                               band * format.width)];
            }
            if (any != 0xFF) {
                return true;
            }
        }
        return false;
    }
};

// Whether the ten glyphs from start, all inside the segment, are lit like a font's glyphs and
// differ from their neighbours: ten digits or capitals are ten different pictures, where a table
// of jumps or a repeated pattern of the same bytes is not.
bool GlyphLikeRun(const Segment& segment, std::int64_t start, const CellFormat& format,
                  bool negative) {
    const auto bpc = static_cast<std::size_t>(format.bytesPerChar);
    for (int k = 0; k < kAnchorGlyphs; ++k) {
        const std::int64_t at = start + k * format.bytesPerChar;
        const int lit = LitDots(segment, at, format.bytesPerChar);
        if (!GlyphLike(negative ? format.width * format.height - lit : lit, format)) {
            return false;
        }
        const auto* glyph = segment.bytes.data() + at;
        if (k > 0 && std::equal(glyph, glyph + bpc, glyph - bpc)) {
            return false;
        }
    }
    return true;
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

// What the search of one cell format needs beyond the image.
struct FormatSearch {
    int formatIndex = 0;
    const ModelRows* model = nullptr;
    // For each anchor and each of its group's four test characters, the most that character can
    // score at each count of lit dots: a run whose counts cannot reach the group's threshold is
    // passed over before a byte of it is unpacked.
    std::array<std::array<std::vector<float>, kPairsPerGroup>, kAnchorCodes.size()> bounds;

    const CellFormat& Format() const { return kCellFormats[static_cast<std::size_t>(formatIndex)]; }
};

int AnchorPair(std::size_t anchor, int k) {
    return (kAnchorCodes[anchor] == kDigitZero ? kDigits : kLatin) * kPairsPerGroup + k;
}

FormatSearch PrepareFormat(int formatIndex, const ModelRows& model) {
    FormatSearch search{formatIndex, &model, {}};
    const CellFormat& format = search.Format();
    const int cell = format.width * format.height;
    for (std::size_t anchor = 0; anchor < kAnchorCodes.size(); ++anchor) {
        for (int k = 0; k < kPairsPerGroup; ++k) {
            auto& bound = search.bounds[anchor][static_cast<std::size_t>(k)];
            bound.resize(static_cast<std::size_t>(cell) + 1);
            for (int lit = 0; lit <= cell; ++lit) {
                bound[static_cast<std::size_t>(lit)] =
                    PairScoreBound(lit, model, format, AnchorPair(anchor, k));
            }
        }
    }
    return search;
}

// Whether the anchor group of the glyphs from start, read in the scan, passes the threshold; the
// product stops at the first character that lets it fall below.
bool AnchorGroupPasses(const Segment& segment, std::int64_t start, const FormatSearch& search,
                       std::size_t anchor, int scan, bool negative) {
    const CellFormat& format = search.Format();
    float product = 1;
    for (int k = 0; k < kPairsPerGroup && product > kFoundThreshold; ++k) {
        const auto glyph =
            segment.bytes.subspan(static_cast<std::size_t>(start + k * format.bytesPerChar),
                                  static_cast<std::size_t>(format.bytesPerChar));
        product *= PairScore(RowsOfGlyph(glyph, scan, format.width, format.height, false),
                             *search.model, format, negative, AnchorPair(anchor, k));
    }
    return product > kFoundThreshold;
}

// The best reading of the table anchored at start on the anchor's code, if any passes.
void ScoreAnchor(const Segment& segment, std::size_t segmentIndex, std::int64_t start,
                 const FormatSearch& search, std::size_t anchor, bool negative,
                 std::vector<FoundFont>& found) {
    const CellFormat& format = search.Format();
    const int anchorCode = kAnchorCodes[anchor];
    const std::int64_t code32 =
        start - static_cast<std::int64_t>(anchorCode - kFirstCode) * format.bytesPerChar;
    FoundFont best;
    for (int scan = 0; scan < kScanCount; ++scan) {
        if (!ScanOffered(format.width, scan) ||
            !AnchorGroupPasses(segment, start, search, anchor, scan, negative)) {
            continue;
        }
        const TrialScores scores =
            ScoreTestGlyphs(TableTestGlyphs(segment, code32, format, scan, negative), *search.model,
                            format, negative);
        const float anchorGroup = scores.groups[anchorCode == kDigitZero ? kDigits : kLatin];
        if (anchorGroup > kFoundThreshold && FinderScore(scores) > best.score) {
            best = {segmentIndex,
                    code32,
                    search.formatIndex,
                    scan,
                    negative,
                    0,
                    0,
                    0,
                    FinderScore(scores),
                    0,
                    scores};
        }
    }
    if (best.score > 0) {
        best.marginInk = MarginInk(segment, start, format, best.scan, negative);
        MeasureTable(segment, best, anchorCode);
        found.push_back(best);
    }
}

// Every anchor start in [from, to) of the segment in one format. The cheap tests come first: a
// blank line the ten glyphs share, the lit counts of the anchor group against their bounds, the
// ten glyphs' lit counts; only what passes them all is unpacked and scored.
void SearchFormat(const Segment& segment, std::size_t segmentIndex, const FormatSearch& search,
                  std::int64_t from, std::int64_t to, std::vector<FoundFont>& found) {
    const CellFormat& format = search.Format();
    const int bpc = format.bytesPerChar;
    const int cell = format.width * format.height;
    const std::int64_t last =
        std::min<std::int64_t>(to, static_cast<std::int64_t>(segment.bytes.size()) -
                                       static_cast<std::int64_t>(bpc) * kAnchorGlyphs + 1);
    const std::array<BlankLines, 2> blankLines{BlankLines(segment, format, false, from, last),
                                               BlankLines(segment, format, true, from, last)};
    for (std::int64_t start = from; start < last; ++start) {
        std::array<int, kPairsPerGroup> lit{};
        for (int k = 0; k < kPairsPerGroup; ++k) {
            lit[static_cast<std::size_t>(k)] = LitDots(segment, start + k * bpc, bpc);
        }
        for (const bool negative : {false, true}) {
            if (!blankLines[negative ? 1 : 0].Shared(start, format)) {
                continue;
            }
            int runChecked = 0;  // 0 not yet, 1 a run of glyphs lit like a font's, -1 not
            for (std::size_t anchor = 0; anchor < kAnchorCodes.size(); ++anchor) {
                float bound = 1;
                for (int k = 0; k < kPairsPerGroup && bound > kFoundThreshold; ++k) {
                    const int polarLit = negative ? cell - lit[static_cast<std::size_t>(k)]
                                                  : lit[static_cast<std::size_t>(k)];
                    bound *= search.bounds[anchor][static_cast<std::size_t>(k)]
                                          [static_cast<std::size_t>(polarLit)];
                }
                if (bound <= kFoundThreshold) {
                    continue;
                }
                if (runChecked == 0) {
                    runChecked = GlyphLikeRun(segment, start, format, negative) ? 1 : -1;
                }
                if (runChecked > 0) {
                    ScoreAnchor(segment, segmentIndex, start, search, anchor, negative, found);
                }
            }
        }
    }
}

std::int64_t TableEnd(const FoundFont& found) {
    return found.TablePosition() +
           static_cast<std::int64_t>(found.glyphCount) * found.BytesPerChar();
}

// The order of candidates: the score weighed by the share of the 256 codes the reading holds. A
// reading a byte or a glyph off the table's own matches the test characters as well (alignment
// drops a blank column) but breaks off where the next glyph's column shows, so it holds fewer.
float RankKey(const FoundFont& found) {
    return found.score * (1.0F + static_cast<float>(found.glyphCount) / 256.0F);
}

// Readings of one table at neighbouring offsets, in other formats or from both anchors overlap:
// the best of each overlapping set stays.
std::vector<FoundFont> BestOfOverlapping(std::vector<FoundFont> found) {
    std::stable_sort(found.begin(), found.end(), [](const FoundFont& a, const FoundFont& b) {
        if (RankKey(a) != RankKey(b)) {
            return RankKey(a) > RankKey(b);
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
    // Progress is told, and a stop heeded, before the search and after each block of starts in
    // every format, so that even an image of one block can be stopped.
    constexpr std::int64_t kBlock = 256 * 1024;
    if (progress && !progress(0)) {
        return {};
    }
    std::array<ModelRows, kFormatCount> modelRows;
    std::vector<FormatSearch> searches;
    for (int n = 0; n < kFormatCount; ++n) {
        modelRows[static_cast<std::size_t>(n)] = UnpackModelRows(
            models[static_cast<std::size_t>(n)], kCellFormats[static_cast<std::size_t>(n)]);
        searches.push_back(PrepareFormat(n, modelRows[static_cast<std::size_t>(n)]));
    }
    std::size_t total = 0;
    for (const ImageSegment& segment : image.segments) {
        total += segment.bytes.size();
    }
    std::vector<FoundFont> found;
    std::size_t done = 0;
    for (std::size_t s = 0; s < image.segments.size(); ++s) {
        const Segment segment = Prepare(image.segments[s].bytes);
        const auto size = static_cast<std::int64_t>(segment.bytes.size());
        for (std::int64_t from = 0; from < size; from += kBlock) {
            const std::int64_t to = std::min(size, from + kBlock);
            for (const FormatSearch& search : searches) {
                SearchFormat(segment, s, search, from, to, found);
            }
            const double share = static_cast<double>(done + static_cast<std::size_t>(to)) /
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
