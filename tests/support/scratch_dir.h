// A fresh directory under the system's temporary directory for each test, removed afterwards, and
// whole-file reads and writes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace pixmora::test {

class ScratchDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        dir_ = std::filesystem::temp_directory_path() /
               ("pixmora_test_" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string Dir() const { return dir_.string(); }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

// A scratch directory that stands for the program's own directory, with an empty Model/ in it.
class ScratchProgramDir : public ScratchDirTest {
  protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        std::filesystem::create_directories(dir_ / "Model");
    }
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
}

// The names in a directory, sorted.
inline std::vector<std::string> DirectoryNames(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace pixmora::test
