#include "model_fonts.h"

#include <array>
#include <string>

namespace models {

namespace {

FontSource X11Bitmap(const std::string& file, const char* package) {
    return FontSource{"/usr/share/fonts/X11/" + file, package, Rendering::Bitmap};
}

FontSource Console(const std::string& file) {
    return FontSource{"/usr/share/consolefonts/" + file, "console-setup-linux", Rendering::Console};
}

FontSource Outline(const std::string& file, const char* package, float heightShare = 1.0f,
                   float widthScale = 1.0f) {
    return FontSource{"/usr/share/fonts/truetype/" + file,
                      package,
                      Rendering::Outline,
                      0,
                      widthScale,
                      heightShare};
}

// Debian packages that install the fonts.
const char* const kBase = "xfonts-base";
const char* const kCronyx75 = "xfonts-cronyx-75dpi";
const char* const kTerminus = "xfonts-terminus";
const char* const kMplus = "xfonts-mplus";
const char* const kDejaVu = "fonts-dejavu-core";
const char* const kLiberation = "fonts-liberation";
const char* const kFreeFont = "fonts-freefont-ttf";

ModelRow Row(const char* style, std::vector<FontSource> fonts) {
    return ModelRow{style, std::move(fonts)};
}

// The 6 x 8 LCD style drawn from column 1, as small fonts with a blank column 0 hold it, and
// enlarged into the model's cell.
ModelRow EnlargedLcd(const FontSource& fixed6x10) {
    return ModelRow{"LCD 5 x 7 enlarged from 6 x 8", {fixed6x10}, Enlargement{{6, 8}, 1}};
}

}  // namespace

std::vector<ModelFormat> ModelFormats() {
    // Small cells: bitmap fonts drawn dot for dot.
    const FontSource fixed6x10 = X11Bitmap("misc/6x10.pcf.gz", kBase);
    const FontSource fixed6x12 = X11Bitmap("misc/6x12.pcf.gz", kBase);
    const FontSource courierBold = X11Bitmap("75dpi/crox1cb_c.pcf.gz", kCronyx75);
    // Larger cells: outlines. Real character generators of these sizes leave room for
    // descenders and squeeze bold faces, hence the shares of the height and the narrowing.
    const FontSource sans = Outline("liberation/LiberationSans-Regular.ttf", kLiberation);
    const FontSource condensedBold = Outline("dejavu/DejaVuSans-Bold.ttf", kDejaVu, 0.86f, 0.75f);
    const FontSource monoBold = Outline("freefont/FreeMonoBold.ttf", kFreeFont, 0.8f);
    const FontSource narrowSans =
        Outline("liberation/LiberationSansNarrow-Regular.ttf", kLiberation);
    const FontSource boldSans = Outline("liberation/LiberationSans-Bold.ttf", kLiberation, 0.86f);
    const FontSource terminal32 = X11Bitmap("misc/ter-u32b_unicode.pcf.gz", kTerminus);
    const FontSource terminal16 = X11Bitmap("misc/ter-u16b_unicode.pcf.gz", kTerminus);
    // Which styles fill the four rows was chosen by measure_recognition.sh on fonts that drew
    // none of them: a narrow regular face, the mono bold, a second bold and a smaller terminal
    // recognise more of them than the serif rows did, and 16 x 32 terminal fonts need a row in
    // 32 x 40. The enlarged LCD row took, per format, the place that cost none of those
    // recognitions and let the most enlarged small fonts be recognised (measure_recognition.sh
    // --enlarged); in 32 x 40 every place cost some.

    const std::array<ModelRow, kRowsPerModel> lcdRows{
        Row("LCD 5 x 7", {fixed6x10}),
        Row("rounded 5 x 7", {X11Bitmap("misc/mplus_h10r.pcf.gz", kMplus), fixed6x12}),
        Row("bold 5 x 7", {courierBold, fixed6x10}),
        Row("small 4 x 6", {X11Bitmap("misc/5x8.pcf.gz", kBase)})};

    return {
        {{6, 8}, lcdRows},
        {{8, 8},
         {Row("bold 7 x 7", {X11Bitmap("misc/clB8x8.pcf.gz", kBase), courierBold, fixed6x10}),
          Row("bold sans", {Outline("dejavu/DejaVuSans-Bold.ttf", kDejaVu, 0.86f)}),
          Row("LCD 5 x 7", {fixed6x10}), Row("VGA", {Console("FullCyrSlav-VGA8.psf.gz")})}},
        {{12, 16},
         {Row("narrow sans", {narrowSans}), EnlargedLcd(fixed6x10), Row("terminal", {terminal16}),
          Row("bold sans", {boldSans})}},
        {{16, 16},
         {EnlargedLcd(fixed6x10), Row("bold sans", {boldSans}), Row("terminal", {terminal16}),
          Row("narrow sans", {narrowSans})}},
        {{16, 24},
         {EnlargedLcd(fixed6x10), Row("condensed bold sans", {condensedBold}),
          Row("terminal", {X11Bitmap("misc/ter-u22b_unicode.pcf.gz", kTerminus)}),
          Row("small terminal", {X11Bitmap("misc/ter-u18b_unicode.pcf.gz", kTerminus)})}},
        {{24, 32},
         {Row("mono bold", {monoBold}), EnlargedLcd(fixed6x10), Row("terminal", {terminal32}),
          Row("narrow sans", {narrowSans})}},
        {{32, 40},
         {Row("sans", {sans}), Row("condensed bold sans", {condensedBold}),
          Row("narrow sans", {narrowSans}), Row("terminal", {terminal32})}},
        {{40, 48},
         {Row("sans", {sans}), EnlargedLcd(fixed6x10), Row("mono bold", {monoBold}),
          Row("narrow sans", {narrowSans})}},
        {{48, 56},
         {Row("sans", {sans}), EnlargedLcd(fixed6x10), Row("mono bold", {monoBold}),
          Row("narrow sans", {narrowSans})}},
        // The 5-column tables hold the LCD styles of 6 x 8 without the gap column.
        {{5, 8}, lcdRows},
        // Console and terminal fonts of the VGA shape.
        {{8, 16},
         {Row("VGA", {Console("FullCyrSlav-VGA16.psf.gz")}), Row("terminal", {terminal16}),
          Row("fixed", {Console("FullCyrSlav-Fixed16.psf.gz")}),
          Row("tall fixed",
              {X11Bitmap("misc/8x16.pcf.gz", kBase), Console("FullCyrSlav-Fixed16.psf.gz")})}},
    };
}

}  // namespace models
