// Tokens of C and C++ source as a font table needs them: identifiers, numbers, literals and single
// punctuation characters. Comments (// and /* */, anywhere) and preprocessor lines (with their
// backslash continuations) are dropped; string and character literals become one token each, so
// that a brace or a comment sign inside them counts for nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace pixmora {

// Values: a whole brace list after "=" that holds only numbers, commas, braces and comments, read
// in one pass (a font table is hundreds of thousands of such tokens); its token stands between
// the list's "{" and "}" tokens and names its entry of LexedSource::lists.
enum class TokenKind { Identifier, Number, Literal, Punct, Values };

struct SourceToken {
    TokenKind kind;
    std::string_view text;  // a view into the lexed text
    int line;               // 1-based
    std::size_t list = 0;   // for Values: the index into LexedSource::lists
};

// A value of an array: its magnitude as CNumberValue reads it, and a sign.
struct ListValue {
    std::uint64_t magnitude = 0;
    bool negative = false;
    int line = 0;
    std::string_view text;
};

struct ValueList {
    std::vector<ListValue> values;
    int depth = 1;  // the deepest brace a value stands in
};

struct LexedSource {
    std::vector<SourceToken> tokens;
    std::vector<ValueList> lists;
    // The line of a "/*" that the text never closes; the tokens before it are kept.
    std::optional<int> openCommentLine;
};

// `text` must outlive the tokens.
LexedSource LexCSource(std::string_view text);

}  // namespace pixmora
