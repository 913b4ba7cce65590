#include "io/source_code_lexer.h"

#include <cstddef>

namespace pixmora {

namespace {

constexpr bool IsIdentifierStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool IsIdentifierChar(char c) {
    return IsIdentifierStart(c) || IsDigit(c);
}

class Lexer {
  public:
    explicit Lexer(std::string_view text) : text_(text) {}

    LexedSource Run() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart_ = true;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++pos_;
            } else if (StartsHere("//")) {
                SkipToLineEnd();
            } else if (StartsHere("/*")) {
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

    void SkipToLineEnd() {
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            ++pos_;
        }
    }

    // False when the text ends inside the comment.
    bool SkipBlockComment() {
        const int opened = line_;
        pos_ += 2;
        while (pos_ < text_.size() && !StartsHere("*/")) {
            line_ += text_[pos_] == '\n' ? 1 : 0;
            ++pos_;
        }
        if (pos_ >= text_.size()) {
            result_.openCommentLine = opened;
            return false;
        }
        pos_ += 2;
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
        result_.tokens.push_back({kind, text_.substr(start, pos_ - start), line_});
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
            Emit(TokenKind::Punct, start);
        }
    }

    // A preprocessing number: digits, letters, '.', and the digit separator ' of C++14 between
    // two digits or letters.
    void ReadNumber() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            const bool separator =
                c == '\'' && pos_ + 1 < text_.size() && IsIdentifierChar(text_[pos_ + 1]);
            if (!IsIdentifierChar(c) && c != '.' && !separator) {
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
