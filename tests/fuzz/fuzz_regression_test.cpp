// Every input that once made a fuzz target fail, replayed through the same target body. The
// inputs live in fuzz/regressions/<target>/; a body traps on a broken promise, and the sanitizer
// build reports any out-of-bounds access.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_inputs.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> FileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(FuzzRegressions, EveryKeptInputPassesItsTarget) {
    const fs::path root = fs::path(PIXMORA_SOURCE_DIR) / "fuzz" / "regressions";
    int replayed = 0;
    for (const auto& targetDir : fs::directory_iterator(root)) {
        const fuzz::FuzzBody body = fuzz::FuzzBodyByName(targetDir.path().filename().string());
        ASSERT_NE(body, nullptr) << "no fuzz target named " << targetDir.path().filename();
        for (const auto& input : fs::directory_iterator(targetDir.path())) {
            SCOPED_TRACE(input.path().string());
            const std::vector<std::uint8_t> bytes = FileBytes(input.path());
            ASSERT_FALSE(bytes.empty());
            body(bytes);
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace pixmora
