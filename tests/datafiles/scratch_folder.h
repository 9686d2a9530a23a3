// A folder of its own for each test, removed with everything in it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tintara::datafiles::testkit {

class InScratchFolder : public ::testing::Test {
protected:
    InScratchFolder() {
        std::random_device seed;
        folder = std::filesystem::temp_directory_path() / ("tintara-datafiles-" + std::to_string(seed()));
        std::filesystem::create_directories(folder);
    }
    ~InScratchFolder() override { std::filesystem::remove_all(folder); }
    static void write(const std::filesystem::path& p, const std::string& content) {
        std::ofstream(p, std::ios::binary) << content;
    }
    static std::string read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path folder;
};

}  // namespace tintara::datafiles::testkit
