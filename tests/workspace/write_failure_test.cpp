// The files the main window's companions write whole, on a disk that fills up
// part-way: the tolerance chart's "Cpalette.csv" and the viewer's
// "LastPalette.txt". Each keeps what it held, the person is told which file
// failed, and nothing goes on as if the file had been written.
#include "charts/CTol.h"
#include "viewer3d/form3.h"
#include "workspace/full_disk.h"
#include "workspace/main_window_fixture.h"

namespace tintara::testkit {
namespace {

class CompanionWriteFailureTest : public MainWindowTest {
protected:
    void SetUp() override {
        start();
        w().show();
    }
    std::string lastMessage() const { return headless.dialogs.messages().back(); }
    std::string fullDisk(const std::string& file) const {
        return "Could not write " + (folder.path() / file).string() + ": No space left on device";
    }
    FullDisk disk{10};  // shorter than any record either file holds
};

TEST_F(CompanionWriteFailureTest, TheTolerancePaletteKeepsTheEarlierSetAndTheViewerIsNotReloaded) {
    folder.write("Cpalette.csv", "the earlier set\r\n");
    workspace::typeEntry(w(), workspace::EntryForm::Munsell, {"5R", "5", "10"});
    w().Check3.click();
    w().Check7.click();  // the viewer, which a saved set would reload
    const std::string shownBefore = companions->paletteViewer().Text1.text();
    w().writeSeam = &disk;
    companions->tolerance().Command2.click();
    EXPECT_EQ(lastMessage(), fullDisk("Cpalette.csv"));
    EXPECT_EQ(folder.read("Cpalette.csv"), "the earlier set\r\n");
    EXPECT_EQ(companions->paletteViewer().Text1.text(), shownBefore);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);  // no temporary file
}

TEST_F(CompanionWriteFailureTest, APaletteOpenedOnAFullDiskIsShownButTheLastPaletteStays) {
    folder.write("LastPalette.txt", "earlier.csv\r\n");
    folder.write("earlier.csv", "");
    std::ofstream(folder.path() / "chosen.csv", std::ios::binary)
        << "\"12-06-2026\",\"09:30:00\",\"brick\",\"5R\",\"4\",\"10\",1,2,3,4,5,6,7,8,9,1,2,3,4\r\n";
    w().Check7.click();
    w().writeSeam = &disk;
    headless.dialogs.answerFile("chosen.csv");
    companions->paletteViewer().mnuFileOpen.click();
    EXPECT_EQ(companions->paletteViewer().tables().palCount, 1);
    EXPECT_EQ(lastMessage(), fullDisk("LastPalette.txt"));
    EXPECT_EQ(folder.read("LastPalette.txt"), "earlier.csv\r\n");
}

}  // namespace
}  // namespace tintara::testkit
