// A real firmware: a small AVR program that reads a font of ours out of the flash, compiled and
// linked by avr-gcc with a map file. pixmora-cli find finds the font in the ELF, in the Intel HEX
// and in the raw binary avr-objcopy makes of it, at the address the linker gave the array.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>

#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "consumer/consumer_support.h"
#include "fontfile/system_fonts.h"

namespace pixmora::test {
namespace {

constexpr const char* kProgram = R"(#include <avr/io.h>
#include <avr/pgmspace.h>
#include "font.h"

/* Sends every byte of the font to port B, as a display driver would. */
int main(void) {
    for (;;) {
        for (uint16_t i = 0; i < sizeof font8x8; ++i) {
            PORTB = pgm_read_byte(&font8x8[i]);
        }
    }
}
)";

class AvrFirmware : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        if (RunTool("command -v avr-gcc && command -v avr-objcopy").status != 0) {
            GTEST_SKIP() << "avr-gcc is not installed (scripts/install-deps.sh)";
        }
        PIXMORA_NEEDS_FONT(kDejaVuMono);
    }

    // Compiles the program around the font as C, the array in its own section so that the map
    // names it; the address the linker gave it. The font is drawn against the left edge: the
    // finder places a table whose glyphs begin with a blank column one byte late.
    std::uint64_t BuildFirmware() {
        const CliRun drawn = RunInProcess(
            {"rasterise", kDejaVuMono, PathOf("font.fnt"), "--format", "8 x 8", "--offset", "-1"});
        EXPECT_EQ(drawn.status, cli::kExitOk) << drawn.err;
        const CliRun header =
            RunInProcess({"convert", PathOf("font.fnt"), PathOf("font.h"), "--kind", "c", "--name",
                          "font8x8", "--flash", "progmem"});
        EXPECT_EQ(header.status, cli::kExitOk) << header.err;
        std::ofstream(PathOf("main.c")) << kProgram;
        const std::string dir = ShellQuoted(Dir());
        const ToolRun built = RunTool("cd " + dir +
                                      " && avr-gcc -mmcu=atmega328p -Os -std=c99 -Wall -Werror"
                                      " -fdata-sections -Wl,-Map=fw.map -o fw.elf main.c"
                                      " && avr-objcopy -O ihex fw.elf fw.hex"
                                      " && avr-objcopy -O binary fw.elf fw.bin");
        EXPECT_EQ(built.status, 0) << built.out;
        const std::string map = ReadWholeFile(PathOf("fw.map"));
        std::smatch place;
        const std::regex section(
            R"(\.progmem\.data\.font8x8\s+0x([0-9a-fA-F]+)\s+0x([0-9a-fA-F]+))");
        if (!std::regex_search(map, place, section)) {
            ADD_FAILURE() << "the map names no section of font8x8";
            return 0;
        }
        EXPECT_EQ(std::stoull(place[2].str(), nullptr, 16), 224U * 8U);
        return std::stoull(place[1].str(), nullptr, 16);
    }
};

// The best candidate of each file: the font as drawn, 8 x 8 "вертикально 1" positive from code 32,
// where the map says: the flash address in the ELF and the HEX, the same offset in the binary,
// which starts at address 0.
TEST_F(AvrFirmware, FindsTheFontWhereTheMapPutsIt) {
    const std::uint64_t address = BuildFirmware();
    ASSERT_NE(address, 0U);
    for (const char* file : {"fw.elf", "fw.hex", "fw.bin"}) {
        const CliRun listed = RunInProcess({"find", PathOf(file), "--json"});
        ASSERT_EQ(listed.status, cli::kExitOk) << file << ": " << listed.err;
        const nlohmann::json best = nlohmann::json::parse(listed.out).at(0);
        EXPECT_EQ(best["format"], "8 x 8") << file;
        EXPECT_EQ(best["scan"], kScanVertical1) << file;
        EXPECT_EQ(best["negative"], false) << file;
        EXPECT_EQ(best["first_code"], 32) << file;
        const char* where = std::string(file) == "fw.bin" ? "offset" : "address";
        EXPECT_EQ(best[where].get<std::uint64_t>(), address) << file;
    }
}

}  // namespace
}  // namespace pixmora::test
