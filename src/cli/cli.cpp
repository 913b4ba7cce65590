#include "cli/cli.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <filesystem>
#include <iterator>

#include "cli/cli_host.h"
#include "cli/convert_command.h"
#include "cli/exit_codes.h"
#include "cli/find_command.h"
#include "cli/info_command.h"
#include "cli/rasterise_command.h"
#include "cli/render_command.h"
#include "editor/font_settings.h"
#include "fontfile/rasterise.h"
#include "io/model_file.h"

namespace pixmora::cli {

namespace {

constexpr const char* kDescription =
    "Batch companion of the Pixmora editor of character generators: recognises font files, "
    "converts them to other scans, formats and notations, draws them as PNG and finds them in "
    "firmware images.";
constexpr const char* kFooter =
    "Exit status: 0 success; 1 input not recognised or an option's value refused; "
    "2 usage error, unreadable input, syntax error in it, or output not written.";

void AddArrayOption(CLI::App& command, std::optional<std::string>& array) {
    command.add_option("--array", array,
                       "Array of a C, C++ or assembler source file to read the font from "
                       "(default: the largest; `info --json` lists them)");
}

// The options every command that loads a font shares.
void AddLoadOptions(CLI::App& command, LoadOptions& load) {
    command
        .add_option("INPUT", load.input,
                    "Font file: Intel HEX when the name ends in hex, Hex "
                    "or HEX, source text otherwise")
        ->required();
    CLI::Option* format = command.add_option("--format", load.format,
                                             "Cell format \"W x H\" (6 x 8 .. 48 x 56, 5 x 8, 8 x "
                                             "16); skips recognition and reads the data as given");
    command.add_option("--scan", load.scan, "Byte scan of --format: 0..3 (default 0)")
        ->needs(format);
    command.add_flag("--negative", load.negative, "The data of --format are a negative font")
        ->needs(format);
    AddArrayOption(command, load.array);
}

void AddModelOption(CLI::App& command, std::optional<std::string>& modelDir) {
    command.add_option("--models", modelDir,
                       "Directory of the model files t0.mod, t1.mod, ... (default: Model beside "
                       "the executable, or where that cannot be written the user's copies in "
                       "$XDG_DATA_HOME/pixmora/Model that exist)");
}

std::vector<std::string> Words(const auto& list) {
    return std::vector<std::string>(std::begin(list), std::end(list));
}

// The options of the C header, BDF and GFX outputs.
void AddFirmwareOptions(CLI::App& command, ConvertOptions& options) {
    command.add_option("--name", options.name,
                       "C header and GFX: the array name, a C identifier (default font<W>x<H>; "
                       "the macros are its upper-case form)");
    command.add_flag("--art", options.art, "C header: each character's dots drawn in a comment");
    command
        .add_option("--flash", options.flash,
                    "C header: the array's placement attribute: none, progmem (PROGMEM) or rodata "
                    "(__attribute__((section(\".rodata\")))); default none")
        ->check(CLI::IsMember(Words(kFlashWords)));
    command.add_option("--baseline-row", options.baseline,
                       "BDF and GFX: the row capitals sit on, 0 = top (default: found from the "
                       "capitals)");
    command
        .add_option("--bdf-encoding", options.bdfEncoding,
                    "BDF: unicode (ISO10646-1, code 0x98 left out) or cp1251 (the 8-bit codes, "
                    "MICROSOFT-CP1251); default unicode")
        ->check(CLI::IsMember(Words(kBdfEncodingWords)));
    command.add_flag("--gfx-structs", options.gfxStructs,
                     "GFX: declare GFXglyph and GFXfont in the header instead of including "
                     "<gfxfont.h>");
}

// The options of the file a command writes as export writes it.
void AddOutputOptions(CLI::App& command, ConvertOptions& options) {
    command
        .add_option("--kind", options.kind,
                    "data (\"Data code\"), db (\".Db code\"), code (\"Code\"), hex (Intel HEX), "
                    "c (C header), bdf (BDF 2.1), gfx (Adafruit GFX) or bin (the bytes alone); "
                    "default hex for an OUTPUT ending in hex, else data")
        ->check(CLI::IsMember(Words(kKindWords)));
    command
        .add_option("--notation", options.notation, "Number notation of source text (default &hNN)")
        ->check(CLI::IsMember(
            std::vector<std::string>(std::begin(kNumberNotations), std::end(kNumberNotations))));
    command.add_option("--range", options.range, "First and last character code, e.g. 192-255");
    command.add_option("--address", options.address,
                       "Start address of the HEX records, 0..32767 (4096, &h1000, $1000, "
                       "#1000, 0x1000, 1000h)");
    CLI::Option* outNegative =
        command.add_flag("--out-negative", options.outNegative, "Write every byte inverted");
    CLI::Option* outPositive =
        command.add_flag("--out-positive", options.outPositive, "Write the bytes as drawn");
    outNegative->excludes(outPositive);
    AddFirmwareOptions(command, options);
}

}  // namespace

std::string ExecutableDir(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return self.parent_path().string();
    }
    return std::filesystem::absolute(argv0, error).parent_path().string();
}

int RunCli(int argc, const char* const* argv, const std::string& programDir, std::ostream& out,
           std::ostream& err) {
    CLI::App app{kDescription, "pixmora-cli"};
    app.set_version_flag("--version", std::string("pixmora-cli ") + PIXMORA_VERSION);
    app.require_subcommand(1);
    app.footer(kFooter);

    InfoOptions info;
    CLI::App* infoCommand =
        app.add_subcommand("info", "Recognise a font file's cell format, byte scan and polarity");
    infoCommand->add_option("FILE", info.file, "Font file")->required();
    infoCommand->add_flag("--json", info.json, "Print one JSON object instead of the report");
    AddArrayOption(*infoCommand, info.array);
    AddModelOption(*infoCommand, info.modelDir);

    ConvertOptions convert;
    CLI::App* convertCommand =
        app.add_subcommand("convert", "Write a font file again as the editor's export writes it");
    AddLoadOptions(*convertCommand, convert.load);
    convertCommand->add_option("OUTPUT", convert.output, "File to write, whole or not at all")
        ->required();
    convertCommand->add_option("--rescan", convert.rescan,
                               "Repack into byte scan 0..3 (as \" Изменить развертку\")");
    convertCommand->add_option(
        "--enlarge", convert.enlarge,
        "Enlarge to a larger cell format \"W x H\" (as \"Увеличить шрифт\")");
    AddOutputOptions(*convertCommand, convert);
    AddModelOption(*convertCommand, convert.load.modelDir);

    RasteriseCommandOptions rasterise;
    CLI::App* rasteriseCommand = app.add_subcommand(
        "rasterise",
        "Draw a font file or an installed font into a cell format and write it as "
        "convert writes a font (as \"Из шрифта…\")");
    rasteriseCommand
        ->add_option("FONTFILE", rasterise.font,
                     "TTF, OTF, TTC, PFB, PFA, WOFF, PCF, BDF or PSF font file (with "
                     "--family: OUTPUT)")
        ->required();
    rasteriseCommand->add_option("OUTPUT", rasterise.out.output,
                                 "File to write, whole or not at all");
    rasteriseCommand->add_option("--format", rasterise.format, "Cell format \"W x H\"")->required();
    rasteriseCommand->add_option("--scan", rasterise.scan, "Byte scan 0..3 (default 0)");
    rasteriseCommand->add_flag("--negative", rasterise.negative, "Make a negative font");
    rasteriseCommand->add_option("--size", rasterise.size,
                                 "Pixel size, or auto (default): the largest at which every "
                                 "capital and digit fits the drawing area");
    rasteriseCommand
        ->add_option("--threshold", rasterise.threshold,
                     "Render smooth and light the dots whose coverage reaches 1..255 "
                     "(default: hinted one bit per dot)")
        ->check(CLI::Range(1, 255));
    rasteriseCommand
        ->add_option("--scale-x", rasterise.scaleX, "Horizontal scale in percent, 25..400")
        ->check(CLI::Range(kMinScaleX, kMaxScaleX));
    rasteriseCommand->add_flag("--bold", rasterise.bold, "Embolden by one dot to the right");
    rasteriseCommand->add_option("--baseline", rasterise.baseline,
                                 "Row the capitals stand on (default: fitted)");
    rasteriseCommand->add_option("--offset", rasterise.offset, "Dots to the right (or left)");
    rasteriseCommand->add_flag("--centre", rasterise.centre,
                               "Centre each character in the drawing area");
    CLI::Option* family = rasteriseCommand->add_option(
        "--family", rasterise.family, "Installed font family instead of FONTFILE (fc-list)");
    rasteriseCommand->add_option("--style", rasterise.style, "Style of --family, e.g. Book")
        ->needs(family);
    rasteriseCommand->add_flag("--json", rasterise.json,
                               "Print the size, baseline, missing and cut characters as JSON");
    AddOutputOptions(*rasteriseCommand, rasterise.out);

    RenderOptions render;
    CLI::App* renderCommand = app.add_subcommand(
        "render",
        "Draw the 224 characters as a PNG sheet of 16 x 14 cells, lit dots dark, or with --text "
        "a line of text as the editor's text preview shows it");
    AddLoadOptions(*renderCommand, render.load);
    renderCommand->add_option("OUTPUT", render.output, "PNG file to write")->required();
    renderCommand->add_option("--scale", render.scale,
                              "Pixels per dot, 1..16 (default 4); the sheet is 16*W*scale+15 by "
                              "14*H*scale+13 pixels");
    CLI::Option* text = renderCommand->add_option(
        "--text", render.text,
        "UTF-8 text to draw through Windows-1251 in fixed cells; a character the font lacks is "
        "an empty framed cell");
    renderCommand
        ->add_option("--look", render.look,
                     "Display look of --text (default lcd): lcd (dark on "
                     "yellow-green), blue (white on blue), oled (white on "
                     "black)")
        ->check(
            CLI::IsMember(std::vector<std::string>(std::begin(kLookWords), std::end(kLookWords))))
        ->needs(text);
    renderCommand->add_option("--ink", render.ink, "Colour RRGGBB of a lit dot of --text")
        ->needs(text);
    renderCommand->add_option("--paper", render.paper, "Colour RRGGBB of a dark dot of --text")
        ->needs(text);
    AddModelOption(*renderCommand, render.load.modelDir);

    FindOptions find;
    CLI::App* findCommand = app.add_subcommand(
        "find", "Search a firmware image (raw binary, Intel HEX or ELF) for font tables");
    findCommand->add_option("IMAGE", find.image, "Firmware image, at most 64 MiB")->required();
    findCommand->add_flag("--json", find.json, "Print the candidates as a JSON array");
    findCommand
        ->add_option("--min-chars", find.minChars,
                     "Tell only tables of at least this many characters (default 10)")
        ->check(CLI::Range(1, 256));
    AddModelOption(*findCommand, find.modelDir);
    CLI::Option* extract = findCommand->add_option(
        "--extract", find.extract, "Write candidate K of the list (from 1) to OUTPUT as a font");
    findCommand->add_option("OUTPUT", find.out.output, "File --extract writes")->needs(extract);
    AddOutputOptions(*findCommand, find.out);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err) == 0 ? kExitOk : kExitFailed;
    }

    CliHost host(err, programDir);
    try {
        if (infoCommand->parsed()) {
            return RunInfo(info, host, out);
        }
        if (convertCommand->parsed()) {
            return RunConvert(convert, host);
        }
        if (findCommand->parsed()) {
            return RunFind(find, host, out);
        }
        if (rasteriseCommand->parsed()) {
            return RunRasterise(rasterise, host, out);
        }
        return RunRender(render, host);
    } catch (const std::exception& error) {
        host.Tell(error.what());
        return kExitFailed;
    }
}

}  // namespace pixmora::cli
