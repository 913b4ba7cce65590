#include "fontfile/code_page_glyphs.h"

#include "model/code_page.h"

namespace pixmora {

CodePageGlyphs DrawCodePage(const FontFace& face, const OutlineRendering& rendering) {
    CodePageGlyphs glyphs{};
    for (int index = 0; index < kCharCount; ++index) {
        CodePageGlyph& glyph = glyphs[static_cast<std::size_t>(index)];
        const int byteCode = index + kFirstCode;
        const std::optional<char32_t> code =
            face.fileCodes() ? std::optional<char32_t>(byteCode) : UnicodeOfCode(byteCode);
        if (!code) {
            continue;
        }
        if (!face.hasChar(*code)) {
            glyph.missing = true;
            continue;
        }
        glyph.glyph = face.place(*code, rendering);
    }
    return glyphs;
}

}  // namespace pixmora
