// Whole files: the output takes its name only when written whole; a failure
// at any point leaves the previous file as it was and says which file.
#include "datafiles/whole_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace tintara::datafiles {
namespace {

// Fails the write that would pass byte `limit`, as a full disk would.
class FullDisk : public WriteSeam {
public:
    explicit FullDisk(std::uint64_t limit) : limit_(limit) {}
    bool allow(const std::filesystem::path&, std::uint64_t written, std::size_t count, std::string& why) override {
        if (written + count <= limit_) return true;
        why = "No space left on device";
        return false;
    }

private:
    std::uint64_t limit_;
};

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

TEST_F(WholeFileTest, ReplacesTheOutputOnlyWhenCommitted) {
    {
        WholeFile out(dir / "out.txt");
        ASSERT_TRUE(out.open());
        ASSERT_TRUE(out.write("line 1\r\n"));
        EXPECT_EQ(content(), "previous");
        ASSERT_TRUE(out.commit());
    }
    EXPECT_EQ(content(), "line 1\r\n");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(WholeFileTest, DroppedBeforeCommitLeavesThePreviousFileAndNoTemporary) {
    {
        WholeFile out(dir / "out.txt");
        ASSERT_TRUE(out.open());
        out.write("half");
    }
    EXPECT_EQ(content(), "previous");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(WholeFileTest, AFullDiskPartWayLeavesThePreviousFile) {
    FullDisk seam(10);
    WholeFile out(dir / "out.txt", &seam);
    ASSERT_TRUE(out.open());
    EXPECT_TRUE(out.write("0123456789"));
    EXPECT_FALSE(out.write("a"));
    EXPECT_EQ(out.error(), "Could not write " + (dir / "out.txt").string() + ": No space left on device");
    EXPECT_FALSE(out.write("b"));
    EXPECT_FALSE(out.commit());
    EXPECT_EQ(content(), "previous");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(WholeFileTest, AFolderOfTheOutputsNameIsFoundBeforeAnythingIsWritten) {
    std::filesystem::create_directory(dir / "taken.txt");
    WholeFile out(dir / "taken.txt");
    EXPECT_FALSE(out.open());
    EXPECT_EQ(out.error(), "Cannot write " + (dir / "taken.txt").string() + ": a folder has that name");
    EXPECT_FALSE(out.write("x"));
    EXPECT_EQ(filesInFolder(), 2);
}

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
    EXPECT_EQ(out.error(), "Cannot create a file in " + (dir / "no").string() + ": No such file or directory");
}

}  // namespace
}  // namespace tintara::datafiles
