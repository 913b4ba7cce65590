#include "io/source_arrays.h"

#include <algorithm>
#include <array>
#include <span>

#include "io/source_code_lexer.h"
#include "io/source_numbers.h"

namespace pixmora {

namespace {

// How many type words before an array's name are looked at.
constexpr std::size_t kTypeWordsLooked = 12;

using ElementValue = ListValue;

bool IsPunct(const SourceToken& token, char c) {
    return token.kind == TokenKind::Punct && token.text.size() == 1 && token.text[0] == c;
}

bool EndsDeclaration(const SourceToken& token) {
    return IsPunct(token, ';') || IsPunct(token, '{') || IsPunct(token, '}');
}

// The element size the type words before the name declare; 0 when they declare none known.
int DeclaredElementBytes(const std::vector<SourceToken>& tokens, std::size_t nameIndex) {
    static constexpr std::array<std::string_view, 14> kOneByte = {
        "char",       "uint8_t",   "int8_t",       "u8",    "s8",    "byte",          "BYTE",
        "prog_uchar", "prog_char", "prog_uint8_t", "uchar", "UCHAR", "uint_least8_t", "u_char"};
    static constexpr std::array<std::string_view, 9> kTwoBytes = {
        "uint16_t", "int16_t", "u16", "s16", "short", "word", "WORD", "prog_uint16_t", "u_short"};
    static constexpr std::array<std::string_view, 8> kFourBytes = {
        "uint32_t", "int32_t", "u32", "s32", "long", "DWORD", "dword", "prog_uint32_t"};
    const auto declares = [](const auto& words, std::string_view word) {
        return std::find(words.begin(), words.end(), word) != words.end();
    };
    int found = 0;
    const std::size_t first = nameIndex > kTypeWordsLooked ? nameIndex - kTypeWordsLooked : 0;
    for (std::size_t i = nameIndex; i-- > first;) {
        const SourceToken& token = tokens[i];
        if (EndsDeclaration(token) || IsPunct(token, ')') || IsPunct(token, '=')) {
            break;
        }
        if (declares(kOneByte, token.text)) {
            return 1;
        }
        if (declares(kTwoBytes, token.text)) {
            found = found == 0 ? 2 : found;
        } else if (declares(kFourBytes, token.text)) {
            found = 4;
        }
    }
    return found;
}

int BytesNeeded(const std::vector<ElementValue>& values) {
    int bytes = 1;
    for (const ElementValue& value : values) {
        const std::uint64_t m = value.magnitude;
        if (value.negative ? m > 0x8000 : m > 0xFFFF) {
            return 4;
        }
        if (value.negative ? m > 0x80 : m > 0xFF) {
            bytes = 2;
        }
    }
    return bytes;
}

// One element's tokens: a number, optionally behind a sign and a cast. Nothing for anything else.
std::optional<ElementValue> ElementOf(std::span<const SourceToken> tokens) {
    std::size_t at = 0;
    if (tokens.size() > 2 && IsPunct(tokens[0], '(')) {
        std::size_t close = 1;
        while (close < tokens.size() &&
               (tokens[close].kind == TokenKind::Identifier || IsPunct(tokens[close], '*'))) {
            ++close;
        }
        if (close == 1 || close >= tokens.size() || !IsPunct(tokens[close], ')')) {
            return std::nullopt;
        }
        at = close + 1;
    }
    ElementValue element;
    if (at < tokens.size() && (IsPunct(tokens[at], '-') || IsPunct(tokens[at], '+'))) {
        element.negative = IsPunct(tokens[at], '-');
        ++at;
    }
    if (at + 1 != tokens.size() || tokens[at].kind == TokenKind::Literal ||
        tokens[at].kind == TokenKind::Punct) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> value = CNumberValue(tokens[at].text);
    if (!value) {
        return std::nullopt;
    }
    element.magnitude = *value;
    element.negative = element.negative && *value != 0;
    element.line = tokens[at].line;
    element.text = tokens[at].text;
    return element;
}

struct Initialiser {
    std::vector<ElementValue> values;
    bool data = true;     // every element is a number
    int depth = 0;        // the deepest brace a value stands in
    std::size_t end = 0;  // the index after its closing brace
    bool closed = false;
};

// A list the lexer read whole: "{", its Values token, "}".
Initialiser ListInitialiser(LexedSource& lexed, std::size_t open) {
    ValueList& list = lexed.lists[lexed.tokens[open + 1].list];
    Initialiser init;
    init.values = std::move(list.values);
    init.depth = list.depth;
    init.end = open + 3;
    init.closed = true;
    return init;
}

// The braces from tokens[open] (a "{") to the one that closes it.
Initialiser ReadInitialiser(LexedSource& lexed, std::size_t open) {
    const std::vector<SourceToken>& tokens = lexed.tokens;
    if (open + 1 < tokens.size() && tokens[open + 1].kind == TokenKind::Values) {
        return ListInitialiser(lexed, open);
    }
    Initialiser init;
    int depth = 0;
    std::size_t elementStart = open + 1;
    const auto finishElement = [&](std::size_t end) {
        if (end > elementStart) {
            // Mostly one number token: read it without the general element rules.
            const SourceToken& first = tokens[elementStart];
            const std::optional<std::uint64_t> number =
                end == elementStart + 1 && first.kind == TokenKind::Number
                    ? CNumberValue(first.text)
                    : std::nullopt;
            const std::optional<ElementValue> value =
                number ? ElementValue{*number, false, first.line, first.text}
                       : ElementOf(std::span(tokens).subspan(elementStart, end - elementStart));
            if (value) {
                init.values.push_back(*value);
                init.depth = std::max(init.depth, depth);
            } else {
                init.data = false;
            }
        }
        elementStart = end + 1;
    };
    for (std::size_t k = open; k < tokens.size(); ++k) {
        const SourceToken& token = tokens[k];
        if (IsPunct(token, '{')) {
            if (k > elementStart) {
                init.data = false;  // a struct or a designator before the brace
            }
            ++depth;
            elementStart = k + 1;
        } else if (IsPunct(token, '}')) {
            finishElement(k);
            if (--depth == 0) {
                init.end = k + 1;
                init.closed = true;
                return init;
            }
        } else if (IsPunct(token, ',')) {
            finishElement(k);
        } else if (IsPunct(token, ';')) {
            init.data = false;  // a statement inside: a function body, not a table
        }
    }
    init.end = tokens.size();
    return init;
}

struct Declarator {
    std::size_t open = 0;  // the "{" of the initialiser
    int dimensions = 0;
};

// From tokens[name] (an identifier followed by "["): its dimensions and the "{" that opens its
// initialiser, or nothing when this is no initialised array.
std::optional<Declarator> InitialiserStart(const std::vector<SourceToken>& tokens,
                                           std::size_t name) {
    std::size_t at = name + 1;
    int dimensions = 0;
    while (at < tokens.size() && IsPunct(tokens[at], '[')) {
        ++dimensions;
        ++at;
        while (at < tokens.size() && !IsPunct(tokens[at], ']')) {
            if (EndsDeclaration(tokens[at])) {
                return std::nullopt;
            }
            ++at;
        }
        ++at;
    }
    while (at < tokens.size() && !EndsDeclaration(tokens[at]) && !IsPunct(tokens[at], '=')) {
        ++at;
    }
    if (at + 1 < tokens.size() && IsPunct(tokens[at], '=') && IsPunct(tokens[at + 1], '{')) {
        return Declarator{at + 1, dimensions};
    }
    return std::nullopt;
}

}  // namespace

bool AppendValue(std::vector<std::uint8_t>& bytes, std::uint64_t magnitude, bool negative,
                 int elementBytes) {
    const int bits = 8 * elementBytes;
    const std::uint64_t span = std::uint64_t{1} << bits;
    if (negative ? magnitude > span / 2 : magnitude >= span) {
        return false;
    }
    if (elementBytes == 1) {
        bytes.push_back(static_cast<std::uint8_t>(negative ? span - magnitude : magnitude));
        return true;
    }
    const std::uint64_t stored = negative ? span - magnitude : magnitude;
    for (int shift = bits - 8; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(stored >> shift));
    }
    return true;
}

SourceArrays FindCArrays(std::string_view text) {
    LexedSource lexed = LexCSource(text);
    const std::vector<SourceToken>& tokens = lexed.tokens;
    SourceArrays found;
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].kind != TokenKind::Identifier || !IsPunct(tokens[i + 1], '[')) {
            continue;
        }
        const std::optional<Declarator> declarator = InitialiserStart(tokens, i);
        if (!declarator) {
            continue;
        }
        const std::size_t open = declarator->open;
        const std::string name(tokens[i].text);
        const Initialiser init = ReadInitialiser(lexed, open);
        if (!init.closed) {
            // A comment left open swallowed the rest: that is the fault to tell.
            if (!lexed.openCommentLine) {
                found.error = SourceError{SourceFault::BraceNotClosed, tokens[open].line, name, {}};
            }
            break;
        }
        const int declared = DeclaredElementBytes(tokens, i);
        i = init.end - 1;
        // Braces deeper than the brackets hold structures, not rows of a table.
        if (!init.data || init.values.empty() || init.depth > declarator->dimensions) {
            continue;
        }
        const int elementBytes = declared != 0 ? declared : BytesNeeded(init.values);
        SourceArray array{name, tokens[open].line, elementBytes, init.values.size(), {}};
        array.bytes.reserve(init.values.size() * static_cast<std::size_t>(elementBytes));
        for (const ElementValue& value : init.values) {
            if (elementBytes == 1 && !value.negative && value.magnitude <= 0xFF) {
                array.bytes.push_back(static_cast<std::uint8_t>(value.magnitude));
                continue;
            }
            if (!AppendValue(array.bytes, value.magnitude, value.negative, elementBytes)) {
                // Appended, not added: GCC 12 at -O3 warns falsely on "-" + text.
                std::string shown = value.negative ? "-" : "";
                shown.append(value.text);
                found.error = SourceError{SourceFault::ValueOutOfRange, value.line, name, shown};
                return found;
            }
        }
        found.arrays.push_back(std::move(array));
    }
    if (lexed.openCommentLine && !found.error) {
        found.error = SourceError{SourceFault::CommentNotClosed, *lexed.openCommentLine, {}, {}};
    }
    return found;
}

SourceArrays FindSourceArrays(std::string_view text) {
    SourceArrays c = FindCArrays(text);
    if (!c.arrays.empty() || (c.error && c.error->fault != SourceFault::CommentNotClosed)) {
        return c;
    }
    SourceArrays assembler = FindAsmArrays(text);
    if (!assembler.arrays.empty() || assembler.error) {
        return assembler;
    }
    return c;
}

std::size_t LargestArray(const std::vector<SourceArray>& arrays) {
    std::size_t largest = 0;
    for (std::size_t i = 1; i < arrays.size(); ++i) {
        if (arrays[i].bytes.size() > arrays[largest].bytes.size()) {
            largest = i;
        }
    }
    return largest;
}

}  // namespace pixmora
