#include "io/line_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace pixmora::reader {
namespace {

std::vector<std::string> ReadAll(const std::string& text) {
    std::istringstream in(text);
    LineReader lines(in);
    std::vector<std::string> read;
    std::string_view line;
    while (lines.Next(line) == LineRead::Line) {
        read.emplace_back(line);
    }
    return read;
}

// Lines of every length around the reader's block size, some longer than a block, with LF and
// CR LF ends falling on and across block edges: each comes back whole and without its end.
TEST(LineReader, GivesEveryLineWholeAcrossBlockEdges) {
    std::mt19937 random(5);
    for (const std::size_t length : {0UL, 1UL, 65535UL, 65536UL, 65537UL, 200000UL}) {
        std::vector<std::string> written;
        std::string text;
        for (int n = 0; n < 40; ++n) {
            std::string line(n % 3 == 0 ? length : random() % 90, 'a');
            if (!line.empty()) {
                line.back() = static_cast<char>('b' + n % 20);
            }
            written.push_back(line);
            text += line + (random() % 2 ? "\r\n" : "\n");
        }
        EXPECT_EQ(ReadAll(text), written) << length;
    }
}

TEST(LineReader, KeepsALastLineWithoutEndAndNothingAfterTheLastEnd) {
    EXPECT_EQ(ReadAll(""), std::vector<std::string>{});
    EXPECT_EQ(ReadAll("\n"), std::vector<std::string>{""});
    EXPECT_EQ(ReadAll("a\r\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(ReadAll("a\rb\r"), std::vector<std::string>{"a\rb"});
}

}  // namespace
}  // namespace pixmora::reader
