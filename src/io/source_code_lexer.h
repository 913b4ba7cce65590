// Tokens of C and C++ source as a font table needs them: identifiers, numbers, literals and single
// punctuation characters. Comments (// and /* */, anywhere) and preprocessor lines (with their
// backslash continuations) are dropped; string and character literals become one token each, so
// that a brace or a comment sign inside them counts for nothing.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace pixmora {

enum class TokenKind { Identifier, Number, Literal, Punct };

struct SourceToken {
    TokenKind kind;
    std::string_view text;  // a view into the lexed text
    int line;               // 1-based
};

struct LexedSource {
    std::vector<SourceToken> tokens;
    // The line of a "/*" that the text never closes; the tokens before it are kept.
    std::optional<int> openCommentLine;
};

// `text` must outlive the tokens.
LexedSource LexCSource(std::string_view text);

}  // namespace pixmora
