// "Import %R": a reflectance curve from a text file.
#include <filesystem>
#include <fstream>

#include "dialogue_fixture.h"
#include "instruments/spectral.h"
#include "textio/formats.h"

namespace tintara::instruments::testing {
namespace {

class Import : public DialogueTest {
protected:
    ~Import() override { std::filesystem::remove(path); }

    void write(const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
        dialogs.answerFile(path.string());
    }
    static std::string values(int count, const std::string& text, const std::string& separator) {
        std::string out;
        for (int i = 0; i < count; ++i) out += text + separator;
        return out;
    }

    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("tintara_import_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
};

TEST_F(Import, AWhiteFileGivesTheWhitePoint) {
    write("white tile\r\n" + values(40, "100", "\r\n"));
    ASSERT_EQ(run("Import"), MeasureEnd::Tail);
    EXPECT_TRUE(refreshed(100));
    EXPECT_EQ(caption, path.string() + " white tile");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, ui::ShownDialog::Kind::OpenFile);
    EXPECT_EQ(dialogs.shown[0].defaultText, "*.txt|*.txt");
    const Tristimulus xyz = tris(refl, getweights());
    EXPECT_EQ(textio::format(xyz.X, "###.00"), "98.07");
    EXPECT_EQ(textio::format(xyz.Y, "###.00"), "100.00");
    EXPECT_EQ(textio::format(xyz.Z, "###.00"), "118.23");
    EXPECT_EQ(port.opens, 0);  // no serial port is involved
}

TEST_F(Import, CommasAndLinesMix) {
    // 100 at 560 nm only, written ten to a line.
    std::string text = "line 560\n";
    for (int i = 1; i <= 40; ++i) text += (i == 21 ? " 100" : "0") + std::string(i % 10 == 0 ? "\n" : ",");
    write(text);
    ASSERT_EQ(run("Import"), MeasureEnd::Tail);
    const Tristimulus xyz = tris(refl, getweights());
    EXPECT_NEAR(xyz.X, 5.877f, 1e-5f);
    EXPECT_NEAR(xyz.Y, 9.834f, 1e-5f);
    EXPECT_NEAR(xyz.Z, 0.038f, 1e-5f);
}

TEST_F(Import, FilesThatCannotBeUsed) {
    EXPECT_EQ(run("Import"), MeasureEnd::EarlyExit);  // the dialog cancelled
    dialogs.answerFile((path.parent_path() / "no such folder" / "x.txt").string());
    EXPECT_EQ(run("Import"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages(), (std::vector<std::string>{"File not found", "File not found"}));

    write("short\n" + values(39, "50", ","));
    EXPECT_EQ(run("Import"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "file import format error\r\nFORMAT\r\nTAG\r\n%R360, ...,%R750");
    write("words\n" + values(20, "50", ",") + "fifty," + values(19, "50", ","));
    EXPECT_EQ(run("Import"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "file import format error\r\nFORMAT\r\nTAG\r\n%R360, ...,%R750");
    write("bright\n" + values(39, "50", ",") + "250");
    EXPECT_EQ(run("Import"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "Reflectance out of range in the import file - reading rejected");
    EXPECT_TRUE(refreshed(-1));
}

}  // namespace
}  // namespace tintara::instruments::testing
