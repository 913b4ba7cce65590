// The assembler reading of FindSourceArrays (source_arrays.h): data directives line by line.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "io/source_arrays.h"
#include "io/source_numbers.h"

namespace pixmora {

namespace {

// The name of an array whose data stand before any label, followed by the line they start on.
constexpr std::string_view kUnnamedArrayPrefix = "строка ";

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.' || c == '@' ||
           c == '$';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Lower(std::string_view word) {
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsDataDirective(std::string_view word) {
    static constexpr std::array<std::string_view, 11> kDirectives = {
        "db", ".db", "defb", ".defb", ".byte", ".byt", "fcb", "dc.b", "dt", "retlw", "byte"};
    const std::string lower = Lower(word);
    return std::find(kDirectives.begin(), kDirectives.end(), lower) != kDirectives.end();
}

// The line without its comments: ";" and "//" end it outside quotes, "/* */" is cut out and may
// span lines (`inBlock` carries that over).
std::string WithoutComments(std::string_view line, bool& inBlock) {
    std::string kept;
    char quote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool pairStarts = i + 1 < line.size();
        if (inBlock) {
            if (c == '*' && pairStarts && line[i + 1] == '/') {
                inBlock = false;
                ++i;
            }
            continue;
        }
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == ';' || (c == '/' && pairStarts && line[i + 1] == '/')) {
            break;
        } else if (c == '/' && pairStarts && line[i + 1] == '*') {
            inBlock = true;
            ++i;
            kept += ' ';
            continue;
        } else if (c == '"' || c == '\'') {
            quote = c;
        }
        kept += c;
    }
    return kept;
}

// The operands of a directive split at commas outside quotes.
std::vector<std::string_view> Operands(std::string_view text) {
    std::vector<std::string_view> operands;
    char quote = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && quote != 0) {
            quote = text[i] == quote ? 0 : quote;
        } else if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
            quote = text[i];
        } else if (i == text.size() || text[i] == ',') {
            operands.push_back(Trim(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return operands;
}

struct AsmLine {
    std::optional<std::string> label;
    std::string_view directive;
    std::string_view operands;
};

// Splits a comment-free line into its label, its first word after it and the rest.
AsmLine SplitLine(std::string_view line) {
    AsmLine parsed;
    const bool firstColumn = !line.empty() && !IsSpace(line.front());
    std::string_view rest = Trim(line);
    std::size_t nameEnd = 0;
    while (nameEnd < rest.size() && IsNameChar(rest[nameEnd])) {
        ++nameEnd;
    }
    if (nameEnd > 0 && nameEnd < rest.size() && rest[nameEnd] == ':') {
        parsed.label = std::string(rest.substr(0, nameEnd));
        rest = Trim(rest.substr(nameEnd + 1));
    } else if (firstColumn && nameEnd > 0 && nameEnd == rest.size() && rest.front() != '.') {
        // A name alone in the first column labels the lines below it (MPASM writes no colon).
        parsed.label = std::string(rest);
        return parsed;
    } else if (firstColumn && nameEnd > 0 && !IsDataDirective(rest.substr(0, nameEnd))) {
        // "font DB 0x00": a bare name in the first column labels the directive after it.
        const std::string_view after = Trim(rest.substr(nameEnd));
        std::size_t wordEnd = 0;
        while (wordEnd < after.size() && !IsSpace(after[wordEnd])) {
            ++wordEnd;
        }
        if (IsDataDirective(after.substr(0, wordEnd))) {
            parsed.label = std::string(rest.substr(0, nameEnd));
            rest = after;
        }
    }
    std::size_t wordEnd = 0;
    while (wordEnd < rest.size() && !IsSpace(rest[wordEnd])) {
        ++wordEnd;
    }
    parsed.directive = rest.substr(0, wordEnd);
    parsed.operands = Trim(rest.substr(wordEnd));
    return parsed;
}

class AsmReader {
  public:
    SourceArrays Run(std::string_view text) {
        bool inBlock = false;
        int lineNumber = 0;
        std::size_t start = 0;
        while (start <= text.size() && !result_.error) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            ++lineNumber;
            const bool wasInBlock = inBlock;
            ReadLine(WithoutComments(text.substr(start, end - start), inBlock), lineNumber);
            if (inBlock && !wasInBlock) {
                blockLine_ = lineNumber;
            }
            start = end + 1;
        }
        Close();
        if (inBlock && !result_.error) {
            result_.error = SourceError{SourceFault::CommentNotClosed, blockLine_, {}, {}};
        }
        return std::move(result_);
    }

  private:
    void ReadLine(const std::string& line, int lineNumber) {
        const AsmLine parsed = SplitLine(line);
        if (parsed.label) {
            Close();
            pendingLabel_ = parsed.label;
        }
        if (parsed.directive.empty()) {
            return;
        }
        if (!IsDataDirective(parsed.directive)) {
            Close();
            return;
        }
        if (!open_) {
            open_ = SourceArray{pendingLabel_.value_or(std::string(kUnnamedArrayPrefix) +
                                                       std::to_string(lineNumber)),
                                lineNumber,
                                1,
                                0,
                                {}};
            data_ = true;
            pendingLabel_.reset();
        }
        for (const std::string_view operand : Operands(parsed.operands)) {
            if (!operand.empty() && (operand.front() == '"' || operand.front() == '\'')) {
                continue;
            }
            const bool negative = !operand.empty() && operand.front() == '-';
            const std::optional<std::uint64_t> value =
                AsmNumberValue(negative ? Trim(operand.substr(1)) : operand);
            if (!value) {
                data_ = false;
                continue;
            }
            if (!AppendValue(open_->bytes, *value, negative && *value != 0, 1)) {
                result_.error = SourceError{SourceFault::ValueOutOfRange, lineNumber, open_->name,
                                            std::string(operand)};
                return;
            }
            ++open_->elements;
        }
    }

    // Ends the array in progress; one holding anything but numbers is no data.
    void Close() {
        if (open_ && data_ && open_->elements > 0) {
            result_.arrays.push_back(std::move(*open_));
        }
        open_.reset();
    }

    SourceArrays result_;
    std::optional<SourceArray> open_;
    bool data_ = true;
    std::optional<std::string> pendingLabel_;
    int blockLine_ = 0;
};

}  // namespace

SourceArrays FindAsmArrays(std::string_view text) {
    return AsmReader().Run(text);
}

}  // namespace pixmora
