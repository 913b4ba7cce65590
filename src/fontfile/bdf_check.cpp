#include "fontfile/bdf_check.h"

#include <charconv>
#include <cstddef>
#include <vector>

#include "model/font_model.h"

namespace pixmora {

namespace {

// No number of a font the program reads goes beyond the last Unicode code point.
constexpr long kNumberLimit = 0x10FFFF;

struct Fault {
    int line;
    const char* reason;
};

// The file's lines, CR LF or LF ended, with their words split at blanks and tabs.
class Lines {
  public:
    explicit Lines(std::string_view text) : text_(text) {}

    bool next() {
        if (rest_ >= text_.size()) {
            return false;
        }
        std::size_t end = text_.find('\n', rest_);
        end = end == std::string_view::npos ? text_.size() : end;
        std::string_view line = text_.substr(rest_, end - rest_);
        rest_ = end + 1;
        ++number_;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        words_.clear();
        std::size_t at = 0;
        while (at < line.size()) {
            const std::size_t start = line.find_first_not_of(" \t", at);
            if (start == std::string_view::npos) {
                break;
            }
            const std::size_t stop = std::min(line.find_first_of(" \t", start), line.size());
            words_.push_back(line.substr(start, stop - start));
            at = stop;
        }
        return true;
    }
    int number() const { return number_; }
    std::string_view keyword() const { return words_.empty() ? std::string_view() : words_[0]; }
    // The n numbers after the keyword; false when one is missing or out of bounds.
    bool numbers(std::size_t n, long* values) const {
        if (words_.size() < n + 1) {
            return false;
        }
        for (std::size_t k = 0; k < n; ++k) {
            const std::string_view word = words_[k + 1];
            const auto [end, error] =
                std::from_chars(word.data(), word.data() + word.size(), values[k]);
            if (error != std::errc() || end != word.data() + word.size() ||
                values[k] < -kNumberLimit || values[k] > kNumberLimit) {
                return false;
            }
        }
        return true;
    }

  private:
    std::string_view text_;
    std::size_t rest_ = 0;
    int number_ = 0;
    std::vector<std::string_view> words_;
};

bool IsHexRow(std::string_view row, std::size_t digits) {
    return row.size() >= digits &&
           row.find_first_not_of("0123456789ABCDEFabcdef") == std::string_view::npos;
}

// One glyph from the line after STARTCHAR to its ENDCHAR.
std::optional<Fault> CheckGlyph(Lines& lines) {
    long box[4] = {0, 0, 0, 0};
    bool boxSeen = false;
    while (lines.next()) {
        const std::string_view keyword = lines.keyword();
        long values[4];
        if (keyword == "ENCODING" || keyword == "SWIDTH" || keyword == "DWIDTH") {
            if (!lines.numbers(keyword == "ENCODING" ? 1 : 2, values)) {
                return Fault{lines.number(), kBdfBadNumber};
            }
        } else if (keyword == "BBX") {
            if (!lines.numbers(4, box) || box[0] < 0 || box[1] < 0) {
                return Fault{lines.number(), kBdfBadNumber};
            }
            if (box[0] > kGridColumns || box[1] > kGridRows) {
                return Fault{lines.number(), kBdfGlyphTooLarge};
            }
            boxSeen = true;
        } else if (keyword == "BITMAP") {
            if (!boxSeen) {
                return Fault{lines.number(), kBdfGlyphCut};
            }
            const auto digits = static_cast<std::size_t>((box[0] + 7) / 8 * 2);
            for (long row = 0; row < box[1]; ++row) {
                if (!lines.next() || !IsHexRow(lines.keyword(), digits)) {
                    return Fault{lines.number(), kBdfGlyphCut};
                }
            }
        } else if (keyword == "ENDCHAR") {
            return std::nullopt;
        } else if (keyword == "STARTCHAR" || keyword == "ENDFONT") {
            return Fault{lines.number(), kBdfGlyphCut};
        }
    }
    return Fault{lines.number(), kBdfGlyphCut};
}

std::optional<Fault> CheckFont(Lines& lines) {
    long chars = -1;
    long glyphs = 0;
    while (lines.next()) {
        const std::string_view keyword = lines.keyword();
        long values[4];
        if (keyword == "FONTBOUNDINGBOX" || keyword == "SIZE") {
            if (!lines.numbers(keyword == "SIZE" ? 3 : 4, values)) {
                return Fault{lines.number(), kBdfBadNumber};
            }
        } else if (keyword == "CHARS") {
            if (!lines.numbers(1, &chars) || chars < 0) {
                return Fault{lines.number(), kBdfBadNumber};
            }
        } else if (keyword == "STARTPROPERTIES") {
            while (lines.next() && lines.keyword() != "ENDPROPERTIES") {
            }
        } else if (keyword == "STARTCHAR") {
            if (std::optional<Fault> fault = CheckGlyph(lines)) {
                return fault;
            }
            ++glyphs;
        } else if (keyword == "ENDFONT") {
            if (glyphs != chars) {
                return Fault{lines.number(), kBdfWrongChars};
            }
            return std::nullopt;
        }
    }
    return Fault{lines.number(), kBdfNoEndFont};
}

}  // namespace

std::optional<std::string> BdfTextFault(std::string_view text) {
    Lines lines(text);
    while (lines.next() && lines.keyword().empty()) {
    }
    if (lines.keyword() != "STARTFONT") {
        return std::string(kBdfNotBdf);
    }
    const std::optional<Fault> fault = CheckFont(lines);
    if (!fault) {
        return std::nullopt;
    }
    return kBdfDamaged + std::to_string(fault->line) + ": " + fault->reason + ".";
}

}  // namespace pixmora
