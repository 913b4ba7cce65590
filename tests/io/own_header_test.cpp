#include "io/own_header.h"

#include <gtest/gtest.h>

#include <string>

namespace pixmora {
namespace {

std::string Header(const std::string& prefix, const std::string& width, const std::string& scan,
                   const std::string& first = "32", const std::string& count = "224") {
    return "#ifndef " + prefix + "_H\n#define " + prefix + "_H\n#include <stdint.h>\n" +
           "#define " + prefix + "_WIDTH " + width + "\r\n#define " + prefix + "_HEIGHT 8\n" +
           "  #define " + prefix + "_BYTES_PER_CHAR " + width + "\n#define " + prefix +
           "_FIRST_CODE " + first + "\n#define " + prefix + "_COUNT " + count + "\n#define " +
           prefix + "_SCAN \"" + scan + "\"\n#define " + prefix + "_NEGATIVE 1\n";
}

TEST(OwnHeader, ReadsTheMacrosOfAnyPrefix) {
    for (const char* prefix : {"FONT8X8", "LCD_BIG", "F"}) {
        const std::optional<OwnHeader> header =
            ReadOwnHeader("#define OTHER_WIDTH 3\n" + Header(prefix, "8", "h2", "192", "64"));
        ASSERT_TRUE(header) << prefix;
        EXPECT_EQ(header->formatIndex, 1);
        EXPECT_EQ(header->scan, 3);
        EXPECT_TRUE(header->negative);
        EXPECT_EQ(header->firstCode, 192);
        EXPECT_EQ(header->count, 64);
    }
    EXPECT_EQ(ReadOwnHeader(Header("F", "6", "v2"))->formatIndex, 0);
}

TEST(OwnHeader, MacrosThatDisagreeDescribeNothing) {
    for (const std::string& text :
         {Header("F", "7", "v1"), Header("F", "6", "h1"), Header("F", "8", "x1"),
          Header("F", "8", "v1", "32", "225"), Header("F", "8", "v1", "-1", "10"),
          Header("F", "8", "v1", "32", "0"), Header("F", "8", "v1", "3 2"),
          Header("F", "8", "v1").substr(0, Header("F", "8", "v1").find("#define F_NEGATIVE"))}) {
        EXPECT_FALSE(ReadOwnHeader(text)) << text;
    }
}

}  // namespace
}  // namespace pixmora
