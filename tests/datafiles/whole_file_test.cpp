// Whole files: the output takes its name only when written whole. A full disk
// and a folder of the output's name are tried through the main window's
// import and table; here, what only this level reaches.
#include "datafiles/whole_file.h"

#include "datafiles/scratch_folder.h"

namespace tintara::datafiles {
namespace {

class WholeFileTest : public testkit::InScratchFolder {};

TEST_F(WholeFileTest, AFolderThatAppearsMidwayMakesTheCommitFail) {
    WholeFile out(folder / "late.txt");
    ASSERT_TRUE(out.open());
    ASSERT_TRUE(out.write("x"));
    std::filesystem::create_directory(folder / "late.txt");
    std::ofstream(folder / "late.txt" / "inside") << "keeps the folder full";
    EXPECT_FALSE(out.commit());
    EXPECT_EQ(out.error().rfind("Cannot replace " + (folder / "late.txt").string() + ": ", 0), 0u) << out.error();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);  // the folder alone
}

TEST_F(WholeFileTest, AMissingFolderIsReported) {
    WholeFile out(folder / "no" / "out.txt");
    EXPECT_FALSE(out.open());
    EXPECT_EQ(out.error(), "Cannot write " + (folder / "no" / "out.txt").string() + ": No such file or directory");
}

}  // namespace
}  // namespace tintara::datafiles
