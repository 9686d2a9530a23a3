// Files of hostile sizes where the program reads outside text: each is
// refused or set aside with a message, without reading it whole (the files are
// sparse, so a read of the whole would take gigabytes of memory and minutes).
#include <gtest/gtest.h>

#include "charts/CChecker.h"
#include "viewer3d/form3.h"
#include "workspace/import_fixture.h"

namespace tintara::testkit {
namespace {

constexpr std::uintmax_t gigabyte = std::uintmax_t(1) << 30;

class HostileSizesTest : public ServiceModeTest {
protected:
    void gigabyteFile(const std::string& name) {
        folder.write(name, "");
        std::filesystem::resize_file(folder.path() / name, gigabyte);
    }
};

TEST_F(HostileSizesTest, AGigabyteSampleFileIsRefusedWithItsSizeAndThePreviousOutputStays) {
    folder.write("stepsMUNSELL.txt", "previous");
    gigabyteFile("steps.txt");
    pressImport("3");
    EXPECT_EQ(lastMessage(), (folder.path() / "steps.txt").string() +
                                 " holds 1024 MB; a sample file is at most 64 MB. Nothing was imported.");
    EXPECT_EQ(folder.read("stepsMUNSELL.txt"), "previous");
    EXPECT_FALSE(w().chartMode);
}

TEST_F(HostileSizesTest, AGigabyteLastPaletteIsNoNameAndTheViewerOpensTheDefault) {
    gigabyteFile("LastPalette.txt");
    folder.write("newpalette2.csv",
                 "\"12-06-2026\",\"09:30:00\",\"brick\",\"5R\",\"4\",\"10\",1,2,3,4,5,6,7,8,9,1,2,3,4\r\n");
    w().Check7.click();
    EXPECT_EQ(companions->paletteViewer().tables().palCount, 1);
    EXPECT_EQ(companions->paletteViewer().Text1.text(), "Loaded Palette newpalette2.csv");
}

TEST_F(HostileSizesTest, AGigabyteColorCheckerFileLeavesTheChartEmptyAndSaysWhy) {
    gigabyteFile("ccnames.csv");
    w().Check5.click();
    EXPECT_EQ(companions->colorChecker().Label2.caption(),
              (folder.path() / "ccnames.csv").string() + " is larger than 1048576 bytes");
    EXPECT_TRUE(companions->colorChecker().Shape1[0].empty);
}

}  // namespace
}  // namespace tintara::testkit
