#include "io/source_code_lexer.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "io/source_numbers.h"

namespace pixmora {

namespace {

// What a character can be, looked up once per character: a table is read at every one of
// hundreds of thousands.
enum CharClass : std::uint8_t { kOther = 0, kLetter = 1, kDigit = 2 };

constexpr std::array<std::uint8_t, 256> kCharClasses = [] {
    std::array<std::uint8_t, 256> classes{};
    for (int c = 'a'; c <= 'z'; ++c) {
        classes[static_cast<std::size_t>(c)] = kLetter;
        classes[static_cast<std::size_t>(c - 'a' + 'A')] = kLetter;
    }
    classes['_'] = kLetter;
    for (int c = '0'; c <= '9'; ++c) {
        classes[static_cast<std::size_t>(c)] = kDigit;
    }
    return classes;
}();

constexpr bool IsIdentifierStart(char c) {
    return kCharClasses[static_cast<unsigned char>(c)] == kLetter;
}

constexpr bool IsDigit(char c) {
    return kCharClasses[static_cast<unsigned char>(c)] == kDigit;
}

constexpr bool IsIdentifierChar(char c) {
    return kCharClasses[static_cast<unsigned char>(c)] != kOther;
}

class Lexer {
  public:
    explicit Lexer(std::string_view text) : text_(text) {}

    LexedSource Run() {
        // A table has about one token in three characters ("0x00, " is two tokens in six).
        result_.tokens.reserve(text_.size() / 3 + 16);
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart_ = true;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++pos_;
            } else if (c == '/' && StartsHere("//")) {
                SkipToLineEnd();
            } else if (c == '/' && StartsHere("/*")) {
                if (!SkipBlockComment()) {
                    return std::move(result_);
                }
            } else if (c == '#' && lineStart_) {
                SkipDirective();
            } else {
                lineStart_ = false;
                ReadToken();
            }
        }
        return std::move(result_);
    }

  private:
    bool StartsHere(std::string_view what) const { return text_.substr(pos_, what.size()) == what; }

    void SkipToLineEnd() { pos_ = std::min(text_.find('\n', pos_), text_.size()); }

    // False when the text ends inside the comment.
    bool SkipBlockComment() {
        const int opened = line_;
        pos_ += 2;
        const std::size_t end = text_.find("*/", pos_);
        const std::size_t stop = std::min(end, text_.size());
        for (std::size_t i = pos_; i < stop; ++i) {
            line_ += text_[i] == '\n' ? 1 : 0;
        }
        if (end == std::string_view::npos) {
            pos_ = text_.size();
            result_.openCommentLine = opened;
            return false;
        }
        pos_ = end + 2;
        return true;
    }

    // A preprocessor line and its continuation lines; a comment inside it ends it or is skipped.
    void SkipDirective() {
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            if (text_[pos_] == '\\' && NextIsLineEnd(pos_ + 1)) {
                pos_ = text_.find('\n', pos_) + 1;
                ++line_;
            } else if (StartsHere("//")) {
                SkipToLineEnd();
            } else if (StartsHere("/*")) {
                if (!SkipBlockComment()) {
                    return;
                }
            } else {
                ++pos_;
            }
        }
    }

    bool NextIsLineEnd(std::size_t at) const {
        return (at < text_.size() && text_[at] == '\n') ||
               (at + 1 < text_.size() && text_[at] == '\r' && text_[at + 1] == '\n');
    }

    void Emit(TokenKind kind, std::size_t start) {
        result_.tokens.push_back(
            {kind, std::string_view(text_.data() + start, pos_ - start), line_, 0});
    }

    void ReadToken() {
        const std::size_t start = pos_;
        const char c = text_[pos_];
        if (IsIdentifierStart(c)) {
            while (pos_ < text_.size() && IsIdentifierChar(text_[pos_])) {
                ++pos_;
            }
            Emit(TokenKind::Identifier, start);
        } else if (IsDigit(c)) {
            ReadNumber();
            Emit(TokenKind::Number, start);
        } else if (c == '"' || c == '\'') {
            ReadLiteral(c);
            Emit(TokenKind::Literal, start);
        } else {
            ++pos_;
            const bool listStarts = c == '{' && !result_.tokens.empty() &&
                                    result_.tokens.back().kind == TokenKind::Punct &&
                                    result_.tokens.back().text == "=";
            Emit(TokenKind::Punct, start);
            if (listStarts) {
                ReadValueList();
            }
        }
    }

    // After "= {": the list up to its closing brace when it holds nothing but numbers, commas,
    // braces, blanks and comments; otherwise the lexer goes on token by token from the "{".
    void ReadValueList() {
        const std::size_t from = pos_;
        const int fromLine = line_;
        ValueList list;
        // About one value in six characters ("0x00, "), bounded so that many small lists of a
        // large file do not each take room for the whole file.
        list.values.reserve(std::min<std::size_t>((text_.size() - pos_) / 6, 1U << 17));
        int depth = 1;
        bool element = false;  // a value stands since the last comma or brace
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '/' && StartsHere("//")) {
                SkipToLineEnd();
            } else if (c == '/' && StartsHere("/*") && text_.find("*/", pos_ + 2) != text_.npos) {
                SkipBlockComment();
            } else if (c == ',' || c == '}' || (c == '{' && !element)) {
                element = false;
                depth += c == '{' ? 1 : c == '}' ? -1 : 0;
                list.depth = std::max(list.depth, depth);
                ++pos_;
                if (depth == 0) {
                    EmitList(std::move(list), from);
                    return;
                }
            } else if (IsDigit(c) && !element && HexByteHere()) {
                list.values.push_back(
                    {static_cast<std::uint64_t>(HexDigit(pos_ + 2) * 16 + HexDigit(pos_ + 3)),
                     false, line_, text_.substr(pos_, 4)});
                pos_ += 4;
                element = true;
            } else if (IsDigit(c) && !element) {
                const std::size_t start = pos_;
                ReadNumber();
                const std::string_view number(text_.data() + start, pos_ - start);
                const std::optional<std::uint64_t> value = CNumberValue(number);
                if (!value) {
                    break;
                }
                list.values.push_back({*value, false, line_, number});
                element = true;
            } else {
                break;
            }
        }
        pos_ = from;
        line_ = fromLine;
    }

    int HexDigit(std::size_t at) const {
        const char c = text_[at];
        return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
    }

    // 0xNN with nothing of a number after it: nearly every value of a font table.
    bool HexByteHere() const {
        const auto hex = [this](std::size_t at) {
            const char c = text_[at];
            return IsDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
        };
        return pos_ + 4 <= text_.size() && text_[pos_] == '0' &&
               (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X') && hex(pos_ + 2) &&
               hex(pos_ + 3) &&
               (pos_ + 4 == text_.size() || (!IsIdentifierChar(text_[pos_ + 4]) &&
                                             text_[pos_ + 4] != '.' && text_[pos_ + 4] != '\''));
    }

    void EmitList(ValueList list, std::size_t from) {
        const std::size_t close = pos_ - 1;
        result_.tokens.push_back(
            {TokenKind::Values, text_.substr(from, close - from), line_, result_.lists.size()});
        result_.lists.push_back(std::move(list));
        result_.tokens.push_back({TokenKind::Punct, text_.substr(close, 1), line_, 0});
    }

    // A preprocessing number: digits, letters, '.', and the digit separator ' of C++14 between
    // two digits or letters.
    void ReadNumber() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (!IsIdentifierChar(c) && c != '.' &&
                !(c == '\'' && pos_ + 1 < text_.size() && IsIdentifierChar(text_[pos_ + 1]))) {
                return;
            }
            ++pos_;
        }
    }

    // Up to the closing quote; a literal left open ends with its line, as a compiler would refuse
    // it there.
    void ReadLiteral(char quote) {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != quote && text_[pos_] != '\n') {
            pos_ +=
                text_[pos_] == '\\' && pos_ + 1 < text_.size() && text_[pos_ + 1] != '\n' ? 2 : 1;
        }
        if (pos_ < text_.size() && text_[pos_] == quote) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool lineStart_ = true;
    LexedSource result_;
};

}  // namespace

LexedSource LexCSource(std::string_view text) {
    return Lexer(text).Run();
}

}  // namespace pixmora
