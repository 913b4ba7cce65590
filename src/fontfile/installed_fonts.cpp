#include "fontfile/installed_fonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <tuple>

namespace pixmora {

namespace {

struct PatternFree {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetFree {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetFree {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

std::string Text(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    return FcPatternGetString(pattern, object, 0, &value) == FcResultMatch
               ? std::string(reinterpret_cast<const char*>(value))
               : std::string();
}

}  // namespace

std::vector<InstalledFont> ListInstalledFonts() {
    std::vector<InstalledFont> fonts;
    if (FcInit() != FcTrue) {
        return fonts;
    }
    const std::unique_ptr<FcPattern, PatternFree> pattern(FcPatternCreate());
    const std::unique_ptr<FcObjectSet, ObjectSetFree> objects(
        FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, nullptr));
    const std::unique_ptr<FcFontSet, FontSetFree> found(
        FcFontList(nullptr, pattern.get(), objects.get()));
    if (!found) {
        return fonts;
    }
    for (int i = 0; i < found->nfont; ++i) {
        InstalledFont font{Text(found->fonts[i], FC_FAMILY), Text(found->fonts[i], FC_STYLE),
                           Text(found->fonts[i], FC_FILE)};
        if (!font.family.empty() && !font.path.empty()) {
            fonts.push_back(std::move(font));
        }
    }
    std::sort(fonts.begin(), fonts.end(), [](const InstalledFont& a, const InstalledFont& b) {
        return std::tie(a.family, a.style, a.path) < std::tie(b.family, b.style, b.path);
    });
    return fonts;
}

std::optional<std::string> FindInstalledFont(const std::string& family, const std::string& style) {
    // The family and style fontconfig lists first name the font; the comparison is fontconfig's
    // own listing, not its closest match, so that a font not installed is never stood in for.
    for (const InstalledFont& font : ListInstalledFonts()) {
        if (font.family == family && font.style == style) {
            return font.path;
        }
    }
    return std::nullopt;
}

}  // namespace pixmora
