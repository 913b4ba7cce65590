// A program directory of its own for each test: a fresh temporary directory with Model/ in it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace pixmora::test {

class ScratchProgramDir : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        dir_ = std::filesystem::temp_directory_path() /
               ("pixmora_import_" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(dir_ / "Model");
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string Dir() const { return dir_.string(); }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
}

}  // namespace pixmora::test
