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
// A reading is a candidate when one of its groups covers its characters, as a file's trial does.
constexpr float kFoundThreshold = kCoverageThreshold;
// Signs, digits, Latin and Cyrillic capitals: the groups a table holds.
constexpr int kTableGroups = 4;

struct Segment {
    std::span<const std::uint8_t> bytes;
    std::vector<std::uint32_t> litBefore;  // lit dots of bytes [0, i)
};

// The dots of the cell at `at`, wholly inside the segment, read positive and not moved.
GlyphRows CellRows(const Segment& segment, std::int64_t at, const CellFormat& format, int scan) {
    return RowsOfGlyph(segment.bytes.subspan(static_cast<std::size_t>(at),
                                             static_cast<std::size_t>(format.bytesPerChar)),
                       scan, format.width, format.height, false);
}

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

// The test character of the pair in a reading; a character outside the segment is blank in the
// polarity read.
GlyphRows TestGlyph(const Segment& segment, std::int64_t code32, const CellFormat& format, int scan,
                    bool negative, int pair) {
    const std::int64_t at =
        code32 + static_cast<std::int64_t>(TestPairOf(pair).dataChar) * format.bytesPerChar;
    if (at >= 0 && at + format.bytesPerChar <= static_cast<std::int64_t>(segment.bytes.size())) {
        return CellRows(segment, at, format, scan);
    }
    return negative ? InvertedRows(GlyphRows{}, format.width, format.height) : GlyphRows{};
}

// The test characters of a table whose code 32 lies at code32.
TestGlyphs TableTestGlyphs(const Segment& segment, std::int64_t code32, const CellFormat& format,
                           int scan, bool negative) {
    TestGlyphs glyphs;
    for (int pair = 0; pair < kTestPairs; ++pair) {
        glyphs[static_cast<std::size_t>(pair)] =
            TestGlyph(segment, code32, format, scan, negative, pair);
    }
    return glyphs;
}

// The edges of a glyph that tell a table's own reading from one a byte early or late: its last
// column, where a font keeps its spacing, and its first and last lines in byte order (columns in a
// vertical scan, rows in a horizontal one), which such a reading moves into the neighbour's cell.
struct GlyphEdges {
    int rightColumnInk = 0;
    std::uint64_t firstLine = 0;  // bit i: dot i of the line
    std::uint64_t lastLine = 0;
};

GlyphEdges EdgesOf(const Segment& segment, std::int64_t at, const CellFormat& format, int scan,
                   bool negative) {
    const GlyphRows positive = CellRows(segment, at, format, scan);
    const GlyphRows rows =
        negative ? InvertedRows(positive, format.width, format.height) : positive;
    GlyphEdges edges;
    for (int row = 0; row < format.height; ++row) {
        const std::uint64_t dots = rows.rows[static_cast<std::size_t>(row)];
        const std::uint64_t right = (dots >> (format.width - 1)) & 1;
        edges.rightColumnInk += static_cast<int>(right);
        if (IsVerticalScan(scan)) {
            edges.firstLine |= (dots & 1) << row;
            edges.lastLine |= right << row;
        }
    }
    if (!IsVerticalScan(scan)) {
        edges.firstLine = rows.rows[0];
        edges.lastLine = rows.rows[static_cast<std::size_t>(format.height - 1)];
    }
    return edges;
}

// The anchor glyphs' ink in their last column: a table whose glyphs keep it blank is told from
// the bytes around it by that.
int MarginInk(const Segment& segment, std::int64_t start, const CellFormat& format, int scan,
              bool negative) {
    int lit = 0;
    for (int k = 0; k < kAnchorGlyphs; ++k) {
        lit += EdgesOf(segment, start + static_cast<std::int64_t>(k) * format.bytesPerChar, format,
                       scan, negative)
                   .rightColumnInk;
    }
    return lit;
}

// The lit dots of the character at code as the table's polarity reads them; none outside the
// segment.
std::optional<int> CodeLit(const Segment& segment, const FoundFont& found, int code) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    return GlyphLit(
        segment,
        found.code32Position + static_cast<std::int64_t>(code - kFirstCode) * format.bytesPerChar,
        format, found.negative);
}

// Whether the character at code may belong to the table: not lit like noise, and blank in the
// margin line where the anchor glyphs keep it blank.
bool InTable(const Segment& segment, const FoundFont& found, int code) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    const auto lit = CodeLit(segment, found, code);
    if (!lit || *lit > kMaxLitShare * format.width * format.height) {
        return false;
    }
    const std::int64_t at =
        found.code32Position + static_cast<std::int64_t>(code - kFirstCode) * format.bytesPerChar;
    return found.marginInk > 0 || *lit == 0 ||
           EdgesOf(segment, at, format, found.scan, found.negative).rightColumnInk == 0;
}

// The farthest lit character of the table from `from` in steps of `step`: the walk passes one
// character unlike the table's (a glyph may fill its margin) but stops at two in a row, and blank
// characters past the last lit one are fill as likely as glyphs.
int LastLitInTable(const Segment& segment, const FoundFont& found, int from, int step) {
    int lastLit = from;
    int unlike = 0;
    for (int code = from + step; code >= 0 && code <= 255 && unlike < 2; code += step) {
        if (!InTable(segment, found, code)) {
            ++unlike;
            continue;
        }
        unlike = 0;
        if (CodeLit(segment, found, code) != 0) {
            lastLit = code;
        }
    }
    return lastLit;
}

// How badly the reading's cells fit the table's glyphs, 0 for a perfect fit. Read a line early or
// late, every glyph that touches the cell's edge is cut in two, its strokes running on into the
// neighbour's cell (weighed most); a font keeps its spacing in the last line, so ink there counts
// against a reading too; and a font's glyphs start in the first line, so a reading that leaves it
// blank is likely a line early (weighed least).
float EdgeMisfit(const Segment& segment, const FoundFont& found) {
    constexpr float kSplitWeight = 0.3F;
    constexpr float kLastLineWeight = 0.2F;
    constexpr float kFirstLineWeight = 0.05F;
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    const auto edgesAt = [&](int code) {
        return EdgesOf(segment,
                       found.code32Position +
                           static_cast<std::int64_t>(code - kFirstCode) * format.bytesPerChar,
                       format, found.scan, found.negative);
    };
    const auto share = [](int part, int whole) {
        return whole == 0 ? 0.0F : static_cast<float>(part) / static_cast<float>(whole);
    };
    int litPairs = 0;
    int split = 0;
    int lit = 0;
    int lastLineInk = 0;
    int firstLineBlank = 0;
    bool previousLit = false;
    GlyphEdges previous;
    for (int code = found.firstCode; code <= found.lastCode; ++code) {
        if (CodeLit(segment, found, code).value_or(0) == 0) {
            previousLit = false;
            continue;
        }
        const GlyphEdges edges = edgesAt(code);
        if (previousLit) {
            ++litPairs;
            split += (previous.lastLine & edges.firstLine) != 0 ? 1 : 0;
        }
        ++lit;
        lastLineInk += edges.lastLine != 0 ? 1 : 0;
        firstLineBlank += edges.firstLine == 0 ? 1 : 0;
        previous = edges;
        previousLit = true;
    }
    return kSplitWeight * share(split, litPairs) + kLastLineWeight * share(lastLineInk, lit) +
           kFirstLineWeight * share(firstLineBlank, lit);
}

// How far the table reaches around its anchor. Below it the table may start at code 0, at the
// space (code 32), at the minus sign before the digits (code 45, told by its '/'), at the digits
// or at the anchor itself; where the characters in front stop looking like the table's, the
// start is the nearest of these above: the bytes in front of a table may look like glyphs too.
void MeasureTable(const Segment& segment, FoundFont& found, int anchorCode) {
    constexpr int kMinusSign = 45;
    constexpr float kSlashMatches = 0.5F;
    const int reached = LastLitInTable(segment, found, anchorCode, -1);
    int first = anchorCode;
    if (reached == 0) {
        first = 0;
    } else if (reached <= kFirstCode + 1 && CodeLit(segment, found, kFirstCode) == 0) {
        first = kFirstCode;
    } else if (reached <= kMinusSign && found.scores.pairs[3] > kSlashMatches) {
        first = kMinusSign;
    } else if (reached <= kDigitZero) {
        first = kDigitZero;
    }
    found.firstCode = first;
    found.lastCode = LastLitInTable(segment, found, anchorCode + kAnchorGlyphs - 1, 1);
    found.glyphCount = found.lastCode - first + 1;
    found.edgeMisfit = EdgeMisfit(segment, found);
}

// What the search of one cell format needs beyond the image.
struct FormatSearch {
    int formatIndex = 0;
    const ModelRows* model = nullptr;
    // For each test character, the most it can score at each count of lit dots: a reading whose
    // counts let no group reach the threshold is passed over before a byte of it is unpacked.
    std::array<std::vector<float>, kTableGroups * kPairsPerGroup> bounds;

    const CellFormat& Format() const { return kCellFormats[static_cast<std::size_t>(formatIndex)]; }
};

FormatSearch PrepareFormat(int formatIndex, const ModelRows& model) {
    FormatSearch search{formatIndex, &model, {}};
    const CellFormat& format = search.Format();
    const int cell = format.width * format.height;
    for (std::size_t pair = 0; pair < search.bounds.size(); ++pair) {
        auto& bound = search.bounds[pair];
        bound.resize(static_cast<std::size_t>(cell) + 1);
        for (int lit = 0; lit <= cell; ++lit) {
            bound[static_cast<std::size_t>(lit)] =
                PairScoreBound(lit, model, format, static_cast<int>(pair));
        }
    }
    return search;
}

// Whether some group of the reading with code 32 at code32 can reach the threshold, judged by the
// lit dots of its test characters alone.
bool SomeGroupCanPass(const Segment& segment, std::int64_t code32, const FormatSearch& search,
                      bool negative) {
    const CellFormat& format = search.Format();
    for (int group = 0; group < kTableGroups; ++group) {
        float bound = 1;
        for (int k = 0; k < kPairsPerGroup && bound > kFoundThreshold; ++k) {
            const int pair = group * kPairsPerGroup + k;
            const std::int64_t at =
                code32 + static_cast<std::int64_t>(TestPairOf(pair).dataChar) * format.bytesPerChar;
            const int lit = GlyphLit(segment, at, format, negative).value_or(0);
            bound *= search.bounds[static_cast<std::size_t>(pair)][static_cast<std::size_t>(lit)];
        }
        if (bound > kFoundThreshold) {
            return true;
        }
    }
    return false;
}

// The best group of a reading, as the import rates a trial; the Cyrillic block is left out, as it
// reads the first characters of a file that holds only codes 192..255.
float ReadingScore(const TrialScores& scores) {
    return std::max({scores.groups[kSigns], scores.groups[kDigits], scores.groups[kLatin],
                     scores.groups[kCyrillic]});
}

float JointScore(const TrialScores& scores) {
    return scores.groups[kSigns] + scores.groups[kDigits] + scores.groups[kLatin] +
           scores.groups[kCyrillic];
}

// Whether some group of the reading passes the threshold; each group's product stops at the
// first character that sinks it, so most readings near a table are turned down after a few.
bool SomeGroupPasses(const Segment& segment, std::int64_t code32, const FormatSearch& search,
                     int scan, bool negative) {
    const CellFormat& format = search.Format();
    for (int group = 0; group < kTableGroups; ++group) {
        float product = 1;
        for (int k = 0; k < kPairsPerGroup && product > kFoundThreshold; ++k) {
            const int pair = group * kPairsPerGroup + k;
            product *= PairScore(TestGlyph(segment, code32, format, scan, negative, pair),
                                 *search.model, format, negative, pair);
        }
        if (product > kFoundThreshold) {
            return true;
        }
    }
    return false;
}

// The best reading of the table anchored at start on the anchor's code, if any passes.
void ScoreAnchor(const Segment& segment, std::size_t segmentIndex, std::int64_t start,
                 const FormatSearch& search, int anchorCode, bool negative,
                 std::vector<FoundFont>& found) {
    const CellFormat& format = search.Format();
    const std::int64_t code32 =
        start - static_cast<std::int64_t>(anchorCode - kFirstCode) * format.bytesPerChar;
    FoundFont best;
    for (int scan = 0; scan < kScanCount; ++scan) {
        if (!ScanOffered(format.width, scan) ||
            !SomeGroupPasses(segment, code32, search, scan, negative)) {
            continue;
        }
        const TrialScores scores =
            ScoreTestGlyphs(TableTestGlyphs(segment, code32, format, scan, negative), *search.model,
                            format, negative);
        if (ReadingScore(scores) > kFoundThreshold &&
            (best.score == 0 || ReadingScore(scores) > ReadingScore(best.scores))) {
            best = {segmentIndex,
                    code32,
                    search.formatIndex,
                    scan,
                    negative,
                    0,
                    0,
                    0,
                    JointScore(scores),
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
    const std::int64_t last =
        std::min<std::int64_t>(to, static_cast<std::int64_t>(segment.bytes.size()) -
                                       static_cast<std::int64_t>(bpc) * kAnchorGlyphs + 1);
    const std::array<BlankLines, 2> blankLines{BlankLines(segment, format, false, from, last),
                                               BlankLines(segment, format, true, from, last)};
    for (std::int64_t start = from; start < last; ++start) {
        for (const bool negative : {false, true}) {
            if (!blankLines[negative ? 1 : 0].Shared(start, format)) {
                continue;
            }
            int runChecked = 0;  // 0 not yet, 1 a run of glyphs lit like a font's, -1 not
            for (const int anchorCode : kAnchorCodes) {
                const std::int64_t code32 =
                    start - static_cast<std::int64_t>(anchorCode - kFirstCode) * bpc;
                if (!SomeGroupCanPass(segment, code32, search, negative)) {
                    continue;
                }
                if (runChecked == 0) {
                    runChecked = GlyphLikeRun(segment, start, format, negative) ? 1 : -1;
                }
                if (runChecked > 0) {
                    ScoreAnchor(segment, segmentIndex, start, search, anchorCode, negative, found);
                }
            }
        }
    }
}

std::int64_t TableEnd(const FoundFont& found) {
    return found.TablePosition() +
           static_cast<std::int64_t>(found.glyphCount) * found.BytesPerChar();
}

// The order of candidates: the score, lowered by the misfit of the cells' edges. A reading a
// byte off the table's own matches the test characters as well (alignment drops a blank line)
// but not its glyphs' edges; among the rest, a reading that holds more of the 256 codes goes
// first.
float RankKey(const FoundFont& found) {
    return found.score * (1.0F - found.edgeMisfit) *
           (1.0F + static_cast<float>(found.glyphCount) / 1024.0F);
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
