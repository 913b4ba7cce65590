// Chooses the four rows of every model file from the candidate rows, and measures model files on
// the training and validation fonts.
//
//     choose_models --evaluate [--set training|validation] [--verbose] [--at-least SHARE]
//                   [--segments-at-least SHARE] [--fixtures DIRECTORY] MODEL_DIRECTORY
//     choose_models --choose [--rows START_LIST] [--fixtures DIRECTORY] --out CHOSEN_LIST
//
// The fonts (font_sets.h) are drawn whole and as tables that keep only the digits, codes 32..63 or
// codes 32..126, in every cell format they fit, packed in every scan the format offers, positive
// and negative, with digit tables of segment displays (segment_digits.h); the 6 x 8 and 8 x 8 fonts
// are also enlarged as "Увеличить шрифт" does to every format the program offers but 8 x 16, as
// drawn and moved one column right. A recognition is right when it names the format, scan and
// polarity.
//
// --evaluate runs the program's own recognition (RecogniseData with the files of the directory)
// and prints the shares per format for whole fonts, digit tables, ASCII tables, enlarged fonts and
// segment digits; --at-least fails the run when any of the first four totals is lower,
// --segments-at-least when the segment digits' is. --fixtures also reads the real
// fonts of the directory (real_fixtures.h) and fails the run when one is not read right.
//
// --choose searches the rows that recognise the most training fonts over all model files at once:
// a row of one format also decides which files other formats' readings win. It starts from the
// rows of START_LIST (chosen_rows.txt), tries every candidate in every place and takes the
// replacement that gains the most, until none gains; every step is printed with what it gained.
// A training font is scored as if the rows of its own family were not there. The match of every
// candidate glyph with every test character of every reading is computed once, so a replacement
// costs only the products and the choice of the winner. With --fixtures, a replacement that loses
// a real font's right reading is refused, whatever it gains.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "font_sets.h"
#include "font_tables.h"
#include "import/glyph_rows.h"
#include "import/recognition.h"
#include "io/font_reader.h"
#include "io/model_file.h"
#include "model/font_model.h"
#include "model/formats.h"
#include "model/glyph_packing.h"
#include "model_builder.h"
#include "model_fonts.h"
#include "quiet_host.h"
#include "real_fixtures.h"
#include "segment_digits.h"
#include "transform/enlarge_dialog.h"

namespace {

using models::TableKind;

constexpr int kFormats = pixmora::kFormatCount;
constexpr int kPairs = pixmora::kTestPairs;
constexpr int kNoEnlargementTarget = 10;  // 8 x 16: enlargements to it are not offered by rows

// What a recognition is counted under.
enum class Kind { Whole, Digits, Ascii, Enlarged, Segments, Count };

const char* KindHeading(Kind kind) {
    switch (kind) {
        case Kind::Whole:
            return "whole fonts";
        case Kind::Digits:
            return "digit tables (0..9 alone, codes 32..63)";
        case Kind::Ascii:
            return "ASCII tables (codes 32..126)";
        case Kind::Enlarged:
            return "6 x 8 and 8 x 8 fonts enlarged by the program";
        case Kind::Segments:
            return "seven- and sixteen-segment digit tables (0..9 alone, drawn)";
        case Kind::Count:
            break;
    }
    return "";
}

Kind KindOf(TableKind table) {
    switch (table) {
        case TableKind::Whole:
            return Kind::Whole;
        case TableKind::Digits:
        case TableKind::SignsAndDigits:
            return Kind::Digits;
        case TableKind::Ascii:
            return Kind::Ascii;
    }
    return Kind::Whole;
}

// One packed font, positive; its negative is every byte complemented.
struct Item {
    std::vector<std::uint8_t> bytes;
    int formatIndex;
    int scan;
    Kind kind;
    std::string family;
    std::string label;
    int fixture = -1;  // a real font's reading (index into the fixtures), not a training font
};

std::string Label(const models::FontSource& source) {
    std::string label = source.path.substr(source.path.find_last_of('/') + 1);
    if (source.rendering == models::Rendering::Outline) {
        label.append(" ")
            .append(std::to_string(static_cast<int>(source.heightShare * 100.0f + 0.5f)))
            .append("%");
    } else if (source.dotScale > 1) {
        label.append(" x").append(std::to_string(source.dotScale));
    }
    return label;
}

void AddEnlargements(std::vector<Item>& items, const models::DrawnFont& drawn, int formatIndex,
                     const models::SetFont& font) {
    const pixmora::CellFormat& format =
        pixmora::kCellFormats[static_cast<std::size_t>(formatIndex)];
    for (const bool moved : {false, true}) {
        const models::DrawnFont placed = moved ? models::MovedRight(drawn) : drawn;
        for (int scan = 0; scan < pixmora::kScanCount; ++scan) {
            if (!pixmora::ScanOffered(format.width, scan)) {
                continue;
            }
            pixmora::FontParams params;
            params.CellWidth = format.width;
            params.CellHeight = format.height;
            params.FontByteScan = scan;
            const std::vector<std::uint8_t> small = models::PackFont(placed, format, scan, false);
            for (const std::string& offered : pixmora::OfferedEnlargements(params)) {
                const int target = *pixmora::FormatIndexByListText(offered);
                if (target == kNoEnlargementTarget) {
                    continue;
                }
                items.push_back({models::EnlargeFont(
                                     small, format,
                                     pixmora::kCellFormats[static_cast<std::size_t>(target)], scan),
                                 target, scan, Kind::Enlarged, font.family,
                                 Label(font.source) + " " + std::string(format.name) +
                                     (moved ? " moved right" : "") + " enlarged"});
            }
        }
    }
}

std::vector<Item> MakeItems(const std::vector<models::SetFont>& fonts,
                            const std::vector<TableKind>& tables) {
    const models::FreeTypeLibrary library;
    std::vector<Item> items;
    for (const models::SetFont& font : fonts) {
        for (int n = 0; n < kFormats; ++n) {
            const pixmora::CellFormat& format = pixmora::kCellFormats[static_cast<std::size_t>(n)];
            models::DrawnFont drawn;
            try {
                if (!models::FontFitsCell(library, font.source, format.width, format.height)) {
                    continue;
                }
                drawn = models::DrawFont(library, font.source, {format.width, format.height});
            } catch (const models::RenderError&) {
                continue;  // capitals that fit no size of this cell
            }
            for (const TableKind table : tables) {
                const models::DrawnFont kept = models::KeepOnly(drawn, table);
                for (int scan = 0; scan < pixmora::kScanCount; ++scan) {
                    if (pixmora::ScanOffered(format.width, scan)) {
                        items.push_back({models::PackFont(kept, format, scan, false), n, scan,
                                         KindOf(table), font.family,
                                         Label(font.source) + " " + std::string(format.name) + " " +
                                             models::TableKindName(table)});
                    }
                }
            }
            if (n <= 1 && font.source.dotScale == 1) {
                AddEnlargements(items, drawn, n, font);
            }
        }
    }
    return items;
}

// Digit tables of segment displays in every format and scan.
void AddSegmentDigits(std::vector<Item>& items, const std::vector<models::SegmentStyle>& styles) {
    for (const models::SegmentStyle& style : styles) {
        for (int n = 0; n < kFormats; ++n) {
            const pixmora::CellFormat& format = pixmora::kCellFormats[static_cast<std::size_t>(n)];
            const models::DrawnFont drawn =
                models::DrawSegmentDigits(style, {format.width, format.height});
            for (int scan = 0; scan < pixmora::kScanCount; ++scan) {
                if (pixmora::ScanOffered(format.width, scan)) {
                    items.push_back({models::PackFont(drawn, format, scan, false), n, scan,
                                     Kind::Segments, style.family,
                                     style.family + " " + std::string(format.name)});
                }
            }
        }
    }
}

std::vector<std::uint8_t> Complemented(std::vector<std::uint8_t> bytes) {
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(255 - byte);
    }
    return bytes;
}

struct Tally {
    std::array<std::array<int, kFormats>, static_cast<std::size_t>(Kind::Count)> tried{};
    std::array<std::array<int, kFormats>, static_cast<std::size_t>(Kind::Count)> right{};

    void Count(Kind kind, int formatIndex, bool ok) {
        ++tried[static_cast<std::size_t>(kind)][static_cast<std::size_t>(formatIndex)];
        right[static_cast<std::size_t>(kind)][static_cast<std::size_t>(formatIndex)] += ok ? 1 : 0;
    }

    // The share of a kind over every format.
    double Share(Kind kind) const {
        int all = 0, ok = 0;
        for (int n = 0; n < kFormats; ++n) {
            all += tried[static_cast<std::size_t>(kind)][static_cast<std::size_t>(n)];
            ok += right[static_cast<std::size_t>(kind)][static_cast<std::size_t>(n)];
        }
        return all == 0 ? 1.0 : static_cast<double>(ok) / all;
    }

    void Print() const {
        for (int k = 0; k < static_cast<int>(Kind::Count); ++k) {
            const auto& t = tried[static_cast<std::size_t>(k)];
            const auto& r = right[static_cast<std::size_t>(k)];
            int all = 0, ok = 0;
            std::cout << "\n" << KindHeading(static_cast<Kind>(k)) << ":\n";
            for (std::size_t n = 0; n < t.size(); ++n) {
                if (t[n] > 0) {
                    std::printf("  %-8s %5d / %5d  %5.1f%%\n",
                                std::string(pixmora::kCellFormats[n].name).c_str(), r[n], t[n],
                                100.0 * r[n] / t[n]);
                }
                all += t[n];
                ok += r[n];
            }
            std::printf("  %-8s %5d / %5d  %5.1f%%\n", "total", ok, all,
                        100.0 * ok / std::max(all, 1));
        }
    }
};

std::string Describe(int formatIndex, int scan, bool negative) {
    return std::string(pixmora::kCellFormats[static_cast<std::size_t>(formatIndex)].name) + " " +
           std::string(pixmora::ScanOptionCaption(scan)) + (negative ? " negative" : " positive");
}

// Every reading of the real fonts recognised with the model files; false when one is wrong.
bool FixturesReadRight(const std::vector<models::FixtureReading>& fixtures,
                       const std::array<std::span<const std::uint8_t>, kFormats>& models) {
    int right = 0;
    std::cout << "\nreal fonts:\n";
    for (const models::FixtureReading& reading : fixtures) {
        const pixmora::Recognition found = pixmora::RecogniseData(reading.bytes, models);
        const bool ok = models::ReadsRight(reading, found);
        right += ok ? 1 : 0;
        std::cout << "  " << (ok ? "right " : "WRONG ") << reading.label << ": "
                  << models::ReadingText(found) << "\n";
    }
    std::cout << "  " << right << " / " << fixtures.size() << " read right\n";
    return right == static_cast<int>(fixtures.size());
}

// The lowest shares --evaluate passes: of the fonts (whole, digit, ASCII and enlarged tables each)
// and of the segment digits.
struct Floors {
    double fonts = 0;
    double segments = 0;
};

int Evaluate(const std::string& directory, bool training, bool verbose, const Floors& floors,
             const std::vector<models::FixtureReading>& fixtures) {
    pixmora::fuzz::QuietHost host;
    std::vector<pixmora::ModelFileData> files;
    files.reserve(kFormats);
    std::array<std::span<const std::uint8_t>, kFormats> models{};
    for (int n = 0; n < kFormats; ++n) {
        files.push_back(pixmora::ReadModelFile(directory + "/" + pixmora::ModelFileName(n), host));
        if (files.back().failure || files.back().ImportAborted) {
            std::cerr << "cannot read the model files of " << directory << "\n";
            return 1;
        }
        models[static_cast<std::size_t>(n)] = files.back().ModelBuffer;
    }
    std::vector<Item> items = MakeItems(
        training ? models::TrainingFonts() : models::ValidationFonts(),
        {TableKind::Whole, TableKind::Digits, TableKind::SignsAndDigits, TableKind::Ascii});
    AddSegmentDigits(
        items, training ? models::TrainingSegmentStyles() : models::ValidationSegmentStyles());
    Tally tally;
    for (const Item& item : items) {
        for (const bool negative : {false, true}) {
            const pixmora::Recognition found =
                pixmora::RecogniseData(negative ? Complemented(item.bytes) : item.bytes, models);
            const bool ok = found.Recognised && found.candidate.formatIndex == item.formatIndex &&
                            found.candidate.scan == item.scan &&
                            found.candidate.negative == negative;
            tally.Count(item.kind, item.formatIndex, ok);
            if (verbose && !ok) {
                std::cout << item.family << ": " << item.label << " "
                          << Describe(item.formatIndex, item.scan, negative) << " taken for "
                          << (found.Recognised
                                  ? Describe(found.candidate.formatIndex, found.candidate.scan,
                                             found.candidate.negative)
                                  : std::string("nothing"))
                          << "\n";
            }
        }
    }
    std::cout << (training ? "training" : "validation") << " fonts, " << items.size() * 2
              << " recognitions, right with format, scan and polarity:\n";
    tally.Print();
    bool passed = fixtures.empty() || FixturesReadRight(fixtures, models);
    for (int k = 0; k < static_cast<int>(Kind::Count); ++k) {
        const Kind kind = static_cast<Kind>(k);
        passed = passed && tally.Share(kind) + 1e-9 >=
                               (kind == Kind::Segments ? floors.segments : floors.fonts);
    }
    return passed ? 0 : 1;
}

// ---- the search ----

struct Candidate {
    std::string name;
    std::string family;
    std::array<pixmora::GlyphRows, pixmora::kModelRowLength> glyphs;
};

// The candidates of every format that draw every test character inside the model rules.
std::vector<std::vector<Candidate>> BuildCandidates() {
    const models::FreeTypeLibrary library;
    std::vector<std::vector<Candidate>> candidates(kFormats);
    for (const models::PoolRow& pooled : models::CandidateRows()) {
        const models::CellFormat& cell =
            models::ModelCells()[static_cast<std::size_t>(pooled.formatIndex)];
        models::BuiltRow built;
        try {
            built = models::BuildRow(library, cell, pooled.row);
        } catch (const models::RenderError&) {
            continue;
        }
        std::vector<std::uint8_t> bytes;
        for (int copy = 0; copy < models::kRowsPerModel; ++copy) {
            for (const models::DotMatrix& glyph : built.cells) {
                const std::vector<std::uint8_t> packed = models::PackVertical1(glyph);
                bytes.insert(bytes.end(), packed.begin(), packed.end());
            }
        }
        const bool enlarged = pooled.row.enlarged.has_value();
        if (!models::CheckModel(bytes, cell, {enlarged, enlarged, enlarged, enlarged}).empty()) {
            continue;
        }
        Candidate candidate{pooled.name, pooled.family, {}};
        const auto perGlyph = static_cast<std::size_t>(cell.bytesPerChar());
        for (std::size_t slot = 0; slot < candidate.glyphs.size(); ++slot) {
            candidate.glyphs[slot] =
                pixmora::RowsOfGlyph(std::span(bytes).subspan(slot * perGlyph, perGlyph),
                                     pixmora::kScanVertical1, cell.width, cell.height, false);
        }
        candidates[static_cast<std::size_t>(pooled.formatIndex)].push_back(candidate);
    }
    return candidates;
}

struct Best {
    float score = 0;
    int trial = 0;
};

class Search {
  public:
    Search(std::vector<Item> items, std::vector<std::vector<Candidate>> candidates,
           std::vector<models::FixtureReading> fixtures)
        : items_(std::move(items)),
          candidates_(std::move(candidates)),
          fixtures_(std::move(fixtures)) {
        beyond_.resize(items_.size());
        for (std::size_t i = 0; i < items_.size(); ++i) {
            for (int n = 0; n < kFormats; ++n) {
                const auto perChar = static_cast<std::size_t>(
                    pixmora::kCellFormats[static_cast<std::size_t>(n)].bytesPerChar);
                for (int pair = 0; pair < kPairs; ++pair) {
                    const auto start =
                        static_cast<std::size_t>(pixmora::TestPairOf(pair).dataChar) * perChar;
                    if (start >= items_[i].bytes.size()) {
                        beyond_[i][static_cast<std::size_t>(n)] |= 1U << pair;
                    }
                }
            }
        }
        std::size_t offset = 0;
        for (int n = 0; n < kFormats; ++n) {
            offsets_[static_cast<std::size_t>(n)] = offset;
            offset += static_cast<std::size_t>(pixmora::kTrials * kPairs) * Count(n);
        }
        stride_ = offset;
        matches_.assign(stride_ * items_.size(), 0.0f);
        // Two workers, as the build uses two jobs: the matches are most of the run.
        const auto fill = [this](std::size_t first) {
            for (std::size_t i = first; i < items_.size(); i += 2) {
                FillMatches(i);
            }
        };
        std::thread other(fill, 1);
        fill(0);
        other.join();
        best_.assign(2 * items_.size(), {});
        right_.assign(2 * items_.size(), false);
        for (std::size_t k = 0; k < Cases(); ++k) {
            for (int n = 0; n < kFormats && ItemOf(k).fixture < 0; ++n) {
                if (n == ItemOf(k).formatIndex ||
                    BestTrial(k, n, nullptr, 0, true).score > pixmora::kCoverageThreshold) {
                    relevant_[static_cast<std::size_t>(n)].push_back(k);
                }
            }
        }
    }

    // Cases whose result a row of format n can change: its own fonts, and those of other formats
    // that some candidates of n would score above the threshold (a reading that stays below it
    // never wins a case that is right).
    std::size_t Relevant(int n) const { return relevant_[static_cast<std::size_t>(n)].size(); }

    std::size_t Count(int n) const { return candidates_[static_cast<std::size_t>(n)].size(); }
    const Candidate& At(int n, int c) const {
        return candidates_[static_cast<std::size_t>(n)][static_cast<std::size_t>(c)];
    }
    std::size_t Cases() const { return 2 * items_.size(); }
    const Item& ItemOf(std::size_t caseIndex) const { return items_[caseIndex / 2]; }

    // Every format's best trial for every case with these rows; the number of training cases right.
    int Start(const std::vector<std::array<int, models::kRowsPerModel>>& chosen) {
        chosen_ = chosen;
        right = 0;
        for (std::size_t k = 0; k < Cases(); ++k) {
            for (int n = 0; n < kFormats; ++n) {
                best_[k][static_cast<std::size_t>(n)] = BestTrial(k, n, nullptr, 0, false);
            }
            right_[k] = RightWith(k, -1, {});
            right += right_[k] && ItemOf(k).fixture < 0 ? 1 : 0;
        }
        held_.assign(fixtures_.size(), false);
        for (std::size_t k = 0; k < Cases(); k += 2) {
            if (ItemOf(k).fixture >= 0) {
                held_[static_cast<std::size_t>(ItemOf(k).fixture)] = FixtureHolds(k, -1, {});
            }
        }
        return right;
    }

    // Training cases right with the row of format n at `place` replaced by candidate c; nothing
    // when a real font read right so far would be read wrong.
    std::optional<int> Try(int n, int place, int c) const {
        const auto rows = RowsWith(n, place, c);
        for (std::size_t k = 0; k < Cases(); k += 2) {
            const int fixture = ItemOf(k).fixture;
            if (fixture >= 0 && held_[static_cast<std::size_t>(fixture)] &&
                !FixtureHolds(k, n, rows)) {
                return std::nullopt;
            }
        }
        int changed = right;
        for (const std::size_t k : relevant_[static_cast<std::size_t>(n)]) {
            const Best b = BestTrial(k, n, rows.data(), rows.size(), false);
            changed += (RightWith(k, n, b) ? 1 : 0) - (right_[k] ? 1 : 0);
        }
        return changed;
    }

    void Apply(int n, int place, int c) {
        chosen_[static_cast<std::size_t>(n)][static_cast<std::size_t>(place)] = c;
        const auto rows = RowsWith(n, place, c);
        for (const std::size_t k : relevant_[static_cast<std::size_t>(n)]) {
            best_[k][static_cast<std::size_t>(n)] =
                BestTrial(k, n, rows.data(), rows.size(), false);
            right += (RightWith(k, -1, {}) ? 1 : 0) - (right_[k] ? 1 : 0);
            right_[k] = RightWith(k, -1, {});
        }
        for (std::size_t k = 0; k < Cases(); k += 2) {
            const int fixture = ItemOf(k).fixture;
            if (fixture >= 0) {
                held_[static_cast<std::size_t>(fixture)] = FixtureHolds(k, -1, {});
            }
        }
    }

    int right = 0;  // training cases right with the chosen rows

    bool Right(std::size_t k) const { return right_[k]; }
    const std::vector<models::FixtureReading>& Fixtures() const { return fixtures_; }
    bool Held(std::size_t fixture) const { return held_[fixture]; }
    const std::vector<std::array<int, models::kRowsPerModel>>& Chosen() const { return chosen_; }

  private:
    std::vector<int> RowsWith(int n, int place, int c) const {
        std::vector<int> rows(chosen_[static_cast<std::size_t>(n)].begin(),
                              chosen_[static_cast<std::size_t>(n)].end());
        rows[static_cast<std::size_t>(place)] = c;
        return rows;
    }

    float& Match(std::size_t item, int n, int trial, int pair, int c) {
        return matches_[item * stride_ + offsets_[static_cast<std::size_t>(n)] +
                        (static_cast<std::size_t>(trial * kPairs + pair)) * Count(n) +
                        static_cast<std::size_t>(c)];
    }
    float MatchAt(std::size_t item, int n, int trial, int pair, int c) const {
        return matches_[item * stride_ + offsets_[static_cast<std::size_t>(n)] +
                        (static_cast<std::size_t>(trial * kPairs + pair)) * Count(n) +
                        static_cast<std::size_t>(c)];
    }

    // The match of every candidate glyph with every test character of every reading of the item,
    // 0 for candidates of the item's own family.
    void FillMatches(std::size_t i) {
        const Item& item = items_[i];
        for (int n = 0; n < kFormats; ++n) {
            const pixmora::CellFormat& format = pixmora::kCellFormats[static_cast<std::size_t>(n)];
            const auto perChar = static_cast<std::size_t>(format.bytesPerChar);
            for (int scan = 0; scan < pixmora::kScanCount; ++scan) {
                if (!pixmora::ScanOffered(format.width, scan)) {
                    continue;
                }
                for (int pair = 0; pair < kPairs; ++pair) {
                    const pixmora::TestPair test = pixmora::TestPairOf(pair);
                    // Bytes past the data read as 0, as in the import buffer.
                    const std::size_t start = std::min(
                        static_cast<std::size_t>(test.dataChar) * perChar, item.bytes.size());
                    std::array<std::uint8_t, pixmora::kMaxBytesPerChar> bytes{};
                    std::copy_n(item.bytes.begin() + static_cast<std::ptrdiff_t>(start),
                                std::min(perChar, item.bytes.size() - start), bytes.begin());
                    const pixmora::GlyphRows read = pixmora::RowsOfGlyph(
                        std::span(bytes).first(perChar), scan, format.width, format.height, false);
                    for (const bool negative : {false, true}) {
                        pixmora::GlyphRows glyph =
                            negative ? pixmora::InvertedRows(read, format.width, format.height)
                                     : read;
                        pixmora::AlignRows(glyph, format.height);
                        const int trial = pixmora::TrialOf(scan, negative);
                        for (int c = 0; c < static_cast<int>(Count(n)); ++c) {
                            const Candidate& candidate = At(n, c);
                            Match(i, n, trial, pair, c) =
                                candidate.family == item.family
                                    ? 0.0f
                                    : pixmora::MatchRows(
                                          glyph,
                                          candidate
                                              .glyphs[static_cast<std::size_t>(test.modelGlyph)],
                                          format.width, format.height);
                        }
                    }
                }
            }
        }
    }

    // The best trial of format n for case k (the item, negative for odd k), with the rows given
    // or the chosen ones; ties go to the earlier trial as in recognition.
    // With anyCandidate, every candidate of the format counts as a row: the most it can score.
    Best BestTrial(std::size_t k, int n, const int* rows, std::size_t rowCount,
                   bool anyCandidate) const {
        const std::size_t item = k / 2;
        const bool negativeCase = k % 2 == 1;
        const auto& chosen = chosen_[static_cast<std::size_t>(n)];
        if (rows == nullptr) {
            rows = chosen.data();
            rowCount = chosen.size();
        }
        const int width = pixmora::kCellFormats[static_cast<std::size_t>(n)].width;
        Best best;
        for (int trial = 0; trial < pixmora::kTrials; ++trial) {
            if (!pixmora::ScanOffered(width, pixmora::TrialScan(trial))) {
                continue;
            }
            const auto groups = Groups(item, negativeCase, n, trial, rows, rowCount, anyCandidate);
            const float score = *std::max_element(groups.begin(), groups.end());
            if (score > best.score) {
                best = {score, trial};
            }
        }
        return best;
    }

    // The group products of one trial of format n for the item, read as it is or complemented.
    std::array<float, pixmora::kGroupCount> Groups(std::size_t item, bool negativeCase, int n,
                                                   int trial, const int* rows, std::size_t rowCount,
                                                   bool anyCandidate) const {
        // The complemented bytes read with one polarity are the item read with the other; a
        // character past the data reads as 0 in both files. (One that the data's end cuts is
        // taken as complemented whole.)
        const int swapped = pixmora::TrialOf(pixmora::TrialScan(trial),
                                             pixmora::TrialNegative(trial) != negativeCase);
        const std::uint32_t beyond = beyond_[item][static_cast<std::size_t>(n)];
        std::array<float, pixmora::kGroupCount> groups{};
        for (int group = 0; group < pixmora::kGroupCount; ++group) {
            float product = 1;
            for (int p = 0; p < pixmora::kPairsPerGroup; ++p) {
                const int pair = group * pixmora::kPairsPerGroup + p;
                const int cached = (beyond >> pair & 1U) != 0 ? trial : swapped;
                float value = 0;
                if (anyCandidate) {
                    for (int c = 0; c < static_cast<int>(Count(n)); ++c) {
                        value = std::max(value, MatchAt(item, n, cached, pair, c));
                    }
                }
                for (std::size_t r = 0; r < rowCount && !anyCandidate; ++r) {
                    value = std::max(value, MatchAt(item, n, cached, pair, rows[r]));
                }
                product *= value;
            }
            groups[static_cast<std::size_t>(group)] = product;
        }
        return groups;
    }

    // Whether the real font's reading of case k is recognised as the fixture tests require, with
    // the rows of format `changed` replaced by `rows` (none changed for -1).
    bool FixtureHolds(std::size_t k, int changed, const std::vector<int>& rows) const {
        Best winner;
        int winnerFormat = -1;
        for (int n = 0; n < kFormats; ++n) {
            const Best b = n == changed ? BestTrial(k, n, rows.data(), rows.size(), false)
                                        : BestTrial(k, n, nullptr, 0, false);
            if (b.score > winner.score) {
                winner = b;
                winnerFormat = n;
            }
        }
        pixmora::Recognition found;
        if (winnerFormat < 0) {
            return models::ReadsRight(fixtures_[static_cast<std::size_t>(ItemOf(k).fixture)],
                                      found);
        }
        const bool ownRows = winnerFormat == changed;
        const auto groups =
            Groups(k / 2, k % 2 == 1, winnerFormat, winner.trial,
                   ownRows ? rows.data() : chosen_[static_cast<std::size_t>(winnerFormat)].data(),
                   ownRows ? rows.size() : models::kRowsPerModel, false);
        found.bestScore = winner.score;
        found.candidate = {winnerFormat, pixmora::TrialScan(winner.trial),
                           pixmora::TrialNegative(winner.trial)};
        for (int group = 0; group < pixmora::kGroupCount; ++group) {
            found.coverage[static_cast<std::size_t>(group)] =
                pixmora::GroupCoverage(groups[static_cast<std::size_t>(group)]);
        }
        found.CharSetClass = pixmora::CharSetClassOf(found.coverage);
        found.Recognised = found.CharSetClass > 0;
        return models::ReadsRight(fixtures_[static_cast<std::size_t>(ItemOf(k).fixture)], found);
    }

    bool RightWith(std::size_t k, int changed, const Best& changedBest) const {
        const Item& item = ItemOf(k);
        Best winner;
        int winnerFormat = -1;
        for (int n = 0; n < kFormats; ++n) {
            const Best& b = n == changed ? changedBest : best_[k][static_cast<std::size_t>(n)];
            if (b.score > winner.score) {
                winner = b;
                winnerFormat = n;
            }
        }
        return winnerFormat == item.formatIndex && winner.score > pixmora::kCoverageThreshold &&
               winner.trial == pixmora::TrialOf(item.scan, k % 2 == 1);
    }

    std::vector<Item> items_;
    std::vector<std::vector<Candidate>> candidates_;
    std::array<std::size_t, kFormats> offsets_{};
    std::size_t stride_ = 0;
    std::vector<float> matches_;
    std::vector<std::array<Best, kFormats>> best_;
    std::vector<std::array<int, models::kRowsPerModel>> chosen_;
    std::vector<bool> right_;
    std::vector<models::FixtureReading> fixtures_;
    std::vector<bool> held_;  // per fixture reading: read right with the chosen rows
    // Per item and format, the test pairs whose character lies past the item's bytes.
    std::vector<std::array<std::uint32_t, kFormats>> beyond_;
    std::array<std::vector<std::size_t>, kFormats> relevant_;
};

void PrintShares(const Search& search) {
    Tally tally;
    for (std::size_t k = 0; k < search.Cases(); ++k) {
        if (search.ItemOf(k).fixture < 0) {
            tally.Count(search.ItemOf(k).kind, search.ItemOf(k).formatIndex, search.Right(k));
        }
    }
    tally.Print();
    if (!search.Fixtures().empty()) {
        std::cout << "\nreal fonts:\n";
    }
    for (std::size_t f = 0; f < search.Fixtures().size(); ++f) {
        std::cout << "  " << (search.Held(f) ? "right " : "WRONG ") << search.Fixtures()[f].label
                  << "\n";
    }
}

void WriteChosen(const Search& search, const std::string& outList) {
    models::ChosenRows names(kFormats);
    for (int n = 0; n < kFormats; ++n) {
        for (std::size_t place = 0; place < models::kRowsPerModel; ++place) {
            names[static_cast<std::size_t>(n)][place] =
                search.At(n, search.Chosen()[static_cast<std::size_t>(n)][place]).name;
        }
    }
    models::WriteChosenList(outList, names);
}

int Choose(const std::string& startList, const std::string& outList,
           std::vector<models::FixtureReading> fixtures) {
    const models::ChosenRows start = models::ReadChosenList(startList);
    std::vector<std::vector<Candidate>> candidates = BuildCandidates();
    std::vector<std::array<int, models::kRowsPerModel>> chosen(kFormats);
    for (int n = 0; n < kFormats; ++n) {
        const auto& list = candidates[static_cast<std::size_t>(n)];
        std::cout << "t" << n << ".mod: " << list.size() << " candidate rows\n";
        for (std::size_t place = 0; place < models::kRowsPerModel; ++place) {
            const auto found = std::find_if(list.begin(), list.end(), [&](const Candidate& c) {
                return c.name == start[static_cast<std::size_t>(n)][place];
            });
            if (found == list.end()) {
                std::cerr << "the start row \"" << start[static_cast<std::size_t>(n)][place]
                          << "\" of t" << n << ".mod is no buildable candidate\n";
                return 1;
            }
            chosen[static_cast<std::size_t>(n)][place] = static_cast<int>(found - list.begin());
        }
    }
    std::vector<Item> items =
        MakeItems(models::TrainingFonts(), {TableKind::Whole, TableKind::Digits, TableKind::Ascii});
    AddSegmentDigits(items, models::TrainingSegmentStyles());
    std::cout << items.size() * 2 << " training recognitions\n" << std::flush;
    for (std::size_t f = 0; f < fixtures.size(); ++f) {
        const models::FixtureReading& reading = fixtures[f];
        items.push_back({reading.bytes, reading.formatIndex, reading.scan, Kind::Whole,
                         "real fonts", reading.label, static_cast<int>(f)});
    }
    Search search(std::move(items), std::move(candidates), std::move(fixtures));
    const int trainingCases = static_cast<int>(search.Cases() - 2 * search.Fixtures().size());
    std::cout << "start: " << search.Start(chosen) << " / " << trainingCases << " right\n";
    WriteChosen(search, outList);
    PrintShares(search);
    for (int n = 0; n < kFormats; ++n) {
        std::cout << "t" << n << ".mod: " << search.Relevant(n) << " readings it can change\n";
    }
    // Place by place, the candidate that gains the most replaces the row; sweeps repeat until
    // one changes nothing.
    for (int sweep = 1;; ++sweep) {
        int changes = 0;
        for (int n = 0; n < kFormats; ++n) {
            for (int place = 0; place < models::kRowsPerModel; ++place) {
                const auto& row = search.Chosen()[static_cast<std::size_t>(n)];
                const int current = row[static_cast<std::size_t>(place)];
                int best = -1, bestRight = search.right, runnerRight = -1, refused = 0;
                for (int c = 0; c < static_cast<int>(search.Count(n)); ++c) {
                    if (std::find(row.begin(), row.end(), c) != row.end()) {
                        continue;
                    }
                    const std::optional<int> outcome = search.Try(n, place, c);
                    if (!outcome) {
                        ++refused;
                        continue;
                    }
                    const int tried = *outcome;
                    if (tried > bestRight) {
                        runnerRight = std::max(runnerRight, bestRight);
                        bestRight = tried;
                        best = c;
                    } else {
                        runnerRight = std::max(runnerRight, tried);
                    }
                }
                if (best < 0) {
                    const std::string other = runnerRight < 0
                                                  ? std::string("no other candidate is allowed")
                                                  : "the best other candidate " +
                                                        std::to_string(runnerRight - search.right);
                    std::printf("  t%d.mod row %d keeps \"%s\": %s, %d refused for a real font\n",
                                n, place, search.At(n, current).name.c_str(), other.c_str(),
                                refused);
                    continue;
                }
                std::printf(
                    "sweep %d: t%d.mod row %d \"%s\" -> \"%s\": %d -> %d right (%+d), "
                    "%d refused for a real font\n",
                    sweep, n, place, search.At(n, current).name.c_str(),
                    search.At(n, best).name.c_str(), search.right, bestRight,
                    bestRight - search.right, refused);
                std::fflush(stdout);
                search.Apply(n, place, best);
                // Written after every replacement, so a run stopped early leaves its best list.
                WriteChosen(search, outList);
                ++changes;
            }
        }
        std::cout << "sweep " << sweep << ": " << changes << " rows replaced, " << search.right
                  << " / " << trainingCases << " right\n";
        if (changes == 0) {
            break;
        }
    }
    PrintShares(search);
    std::cout << "wrote " << outList << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bool evaluate = false, choose = false, verbose = false, training = false;
    Floors floors;
    std::string directory, rows = models::DefaultChosenList().string(), out, fixtureDirectory;
    bool usage = false;
    for (int i = 1; i < argc && !usage; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--evaluate") {
            evaluate = true;
        } else if (argument == "--choose") {
            choose = true;
        } else if (argument == "--verbose") {
            verbose = true;
        } else if (argument == "--set" && hasValue) {
            const std::string set = argv[++i];
            training = set == "training";
            usage = !training && set != "validation";
        } else if (argument == "--at-least" && hasValue) {
            floors.fonts = std::atof(argv[++i]);
        } else if (argument == "--segments-at-least" && hasValue) {
            floors.segments = std::atof(argv[++i]);
        } else if (argument == "--rows" && hasValue) {
            rows = argv[++i];
        } else if (argument == "--fixtures" && hasValue) {
            fixtureDirectory = argv[++i];
        } else if (argument == "--out" && hasValue) {
            out = argv[++i];
        } else if (directory.empty() && !argument.starts_with("-")) {
            directory = argument;
        } else {
            usage = true;
        }
    }
    if (usage || evaluate == choose || (evaluate && directory.empty()) || (choose && out.empty())) {
        std::cerr << "usage: choose_models --evaluate [--set training|validation] [--verbose] "
                     "[--at-least SHARE] [--segments-at-least SHARE] [--fixtures DIRECTORY] "
                     "MODEL_DIRECTORY\n"
                     "       choose_models --choose [--rows START_LIST] [--fixtures DIRECTORY] "
                     "--out CHOSEN_LIST\n";
        return 2;
    }
    try {
        std::vector<models::FixtureReading> fixtures;
        if (!fixtureDirectory.empty()) {
            fixtures = models::ReadFixtures(fixtureDirectory);
        }
        return evaluate ? Evaluate(directory, training, verbose, floors, fixtures)
                        : Choose(rows, out, std::move(fixtures));
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}
