// Whole files: the output takes its name only when written whole. A full disk
// and a folder of the output's name are tried through the main window's
// import and table; here, what only this level reaches.
#include "datafiles/whole_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace tintara::datafiles {
namespace {

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        dir = std::filesystem::temp_directory_path() / ("tintara-whole-" + std::to_string(seed()));
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "out.txt", std::ios::binary) << "previous";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string content(const char* name = "out.txt") {
        std::ifstream in(dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int filesInFolder() { return int(std::distance(std::filesystem::directory_iterator(dir), {})); }
    std::filesystem::path dir;
};

TEST_F(WholeFileTest, AFolderThatAppearsMidwayMakesTheCommitFail) {
    WholeFile out(dir / "late.txt");
    ASSERT_TRUE(out.open());
    ASSERT_TRUE(out.write("x"));
    std::filesystem::create_directory(dir / "late.txt");
    std::ofstream(dir / "late.txt" / "inside") << "keeps the folder full";
    EXPECT_FALSE(out.commit());
    EXPECT_EQ(out.error().rfind("Cannot replace " + (dir / "late.txt").string() + ": ", 0), 0u) << out.error();
    EXPECT_EQ(filesInFolder(), 2);  // out.txt and the folder
}

TEST_F(WholeFileTest, AMissingFolderIsReported) {
    WholeFile out(dir / "no" / "out.txt");
    EXPECT_FALSE(out.open());
    EXPECT_EQ(out.error(), "Cannot write " + (dir / "no" / "out.txt").string() + ": No such file or directory");
}

}  // namespace
}  // namespace tintara::datafiles
