// A palette made of the picture, driven through its questions as a person
// answers them: the records and their order, what each question refuses, Stop
// part-way, and files that cannot be written.
#include <gtest/gtest.h>

#include <sstream>

#include "datafiles/palette_reader.h"
#include "imaging/palette_name.h"
#include "imaging/image_window_fixture.h"
#include "textio/fieldreader.h"
#include "textio/numberread.h"
#include "viewer3d/form3.h"

namespace tintara::testkit {
namespace {

// Answers the palette's questions: its name, the block size, and Yes.
void answerPalette(ui::HeadlessDialogs& dialogs, const char* name, bool replace = false) {
    dialogs.answerInput(name);
    if (replace) dialogs.answerMessage(ui::Answer::Yes);
    dialogs.answerInput("10");
    dialogs.answerMessage(ui::Answer::Yes);
}

// Fields 3 (tag), 4 to 6 (notation) and 16 to 18 (R, G, B) of each record.
struct Record {
    std::string tag, notation, rgb;
};
std::vector<Record> recordsOf(const std::string& text) {
    std::vector<Record> out;
    std::istringstream in(text);
    textio::FieldReader reader(in);
    while (!reader.atEnd()) {
        std::vector<std::string> f;
        for (int i = 0; i < 22; ++i) f.push_back(reader.field().value_or("(missing)"));
        out.push_back({f[2], f[3] + " " + f[4] + "/" + f[5], f[15] + "," + f[16] + "," + f[17]});
    }
    return out;
}

// A 35 x 25 picture: at n = 10 its last five columns and rows are dropped,
// leaving 3 x 2 blocks, each of one colour, in the palette's order: black,
// grey, blue, brick, white, and one with a 10.5 red average (halves to even).
ui::Image sixBlocks() {
    ui::Image picture = pictureOf(35, 25, ui::Rgb{30, 200, 30},
                                  {{0, 0, 10, 10, ui::black},
                                   {0, 10, 10, 10, testGround},
                                   {10, 0, 10, 10, testBlue},
                                   {10, 10, 10, 10, testBrick},
                                   {20, 0, 10, 10, ui::white},
                                   {20, 10, 10, 10, ui::Rgb{10, 100, 100}}});
    for (int y = 10; y < 20; ++y) picture.setPixel(20, y, ui::Rgb{15, 100, 100});  // 90 * 10 + 10 * 15 = 10.5 * 100
    return picture;
}

TEST_F(ImageWindowTest, APaletteHasOneRecordPerBlockInColumnOrderAndTheGridIsNotSampled) {
    imaging::Form2& f = open(sixBlocks());
    timers();
    headless.dialogs.answerInput(std::nullopt);  // "TestImage" offered, then Cancel
    f.mnuMakePalette.click();
    EXPECT_EQ(headless.dialogs.shown.back().defaultText, "TestImage");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "TestImage.csv"));

    answerPalette(headless.dialogs, "TestImage");
    f.mnuMakePalette.click();
    EXPECT_EQ(messages().back(), "Total Pixels  6   Generate Palette");
    const auto records = recordsOf(folder.read("TestImage.csv"));
    ASSERT_EQ(records.size(), 6u);
    const char* tags[] = {" 0 0", " 0 10", " 10 0", " 10 10", " 20 0", " 20 10"};
    const char* rgb[] = {"0,0,0", "120,120,120", "60,90,170", "160,70,60", "255,255,255", "10,100,100"};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(records[i].tag + ":" + records[i].rgb, std::string(tags[i]) + ":" + rgb[i]);
    EXPECT_EQ(records[0].notation, ".00R 0.50/0.00");  // black: the neutral, not the colour before
    // Grey 120: Y = 100 (120 / 255)^2.2 = 19.05, value 4.92 by the value polynomial.
    EXPECT_NEAR(textio::leadingNumber(records[1].notation.substr(records[1].notation.find(' '))), 4.92, 0.01);
    EXPECT_EQ(f.Text1.text(), "Palette Done and saved as TestImage.csv");
    EXPECT_TRUE(f.mnuView3D.visible());

    // The grid is drawn in black over the picture, which itself is untouched.
    for (const auto& [x, y, colour] :
         {std::tuple{10, 15, ui::black}, std::tuple{32, 10, ui::black}, std::tuple{25, 11, ui::Rgb{10, 100, 100}},
          std::tuple{32, 5, ui::Rgb{30, 200, 30}}})
        EXPECT_EQ(shown(x, y), colour) << x << "," << y;
    f.mnuSample[1].click();
    click(11, 11);  // 9 pixels of brick, grid lines across two of their edges
    EXPECT_EQ(joined(w().Text1), "160,70,60");
    waitForTheMark();
    EXPECT_EQ(shown(10, 11), ui::black);

    f.mnuMakePalette.click();
    EXPECT_EQ(messages().back(), "Palette already made - reload or load new picture");
    const auto told = messages().size();
    f.mnuView3D.click();  // the viewer opens on this palette, with no word of any other
    EXPECT_EQ(messages().size(), told);
    EXPECT_EQ(companions->paletteViewer().List1.listCount(), 6);
    EXPECT_EQ(w().paletteFile, "TestImage.csv");
}

// A block size refused for each reason, then 640 x 480 at n = 12 (53 x 40
// blocks) declined with No and the last question cancelled: nothing is
// written.
TEST_F(ImageWindowTest, TheGranularityQuestionAsksAgainUntilYesOrCancel) {
    imaging::Form2& f = open(pictureOf(640, 480, testGround));
    for (const char* answer : {"mine", "ten", "1", "641", "12"}) headless.dialogs.answerInput(answer);
    for (int refusal = 0; refusal < 3; ++refusal) headless.dialogs.answerMessage(ui::Answer::OK);
    headless.dialogs.answerMessage(ui::Answer::No);
    headless.dialogs.answerInput(std::nullopt);
    f.mnuMakePalette.click();
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "The granularity n must be a whole number of 1 or more; ten is not.",
                  "Too many pixels  307200 Maximun 10,000 - increase granularity ",
                  "A block of 641 x 641 pixels is larger than the picture (640 x 480): decrease granularity",
                  "Total Pixels  2120   Generate Palette"}));
    EXPECT_EQ(headless.dialogs.shown.back().defaultText, "12");  // the last size taken is offered again
    headless.dialogs.answerInput("mine");
    headless.dialogs.answerInput(std::nullopt);
    f.mnuMakePalette.click();
    EXPECT_EQ(headless.dialogs.shown.back().defaultText, "10");  // and 10 at the next palette's first question
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "mine.csv") || f.mnuView3D.visible());
    EXPECT_EQ(w().paletteFile, "");
}

// Stop pressed while the third column is written: the file holds the first
// three columns, whole, and the status line says so.
TEST_F(ImageWindowTest, StopEndsThePaletteWithTheRecordsWrittenSoFar) {
    imaging::Form2& f = open(pictureOf(50, 20, testBrick));
    std::vector<std::string> status;
    headless.events.onEachPass = [&] {
        status.push_back(f.Text1.text());
        if (status.size() == 4) f.stopPalette.click();
    };
    answerPalette(headless.dialogs, "part");
    f.mnuMakePalette.click();
    EXPECT_EQ(status, (std::vector<std::string>{"Building Palette  5", "Building Palette  5", "Building Palette  4",
                                                "Building Palette  3"}));
    EXPECT_EQ(recordsOf(folder.read("part.csv")).size(), 6u);
    EXPECT_EQ(f.Text1.text(), "Palette stopped: 6 records of 10 saved in part.csv");
    EXPECT_TRUE(f.mnuView3D.visible() && !f.paletteMade());
}

// A palette name that cannot be written is refused before any block is
// converted; a write that fails part-way stops the palette at that record with
// one message, and an earlier palette of that name stays whole.
TEST_F(ImageWindowTest, AFileThatCannotBeWrittenStopsThePaletteWithOneMessage) {
    imaging::Form2& f = open(pictureOf(30, 20, testBlue));
    const std::string before = joined(w().Text1);
    std::filesystem::create_directory(folder.path() / "taken.csv");
    answerPalette(headless.dialogs, "taken");
    f.mnuMakePalette.click();
    EXPECT_EQ(messages().back(), "Cannot write " + (folder.path() / "taken.csv").string() + ": a folder has that name");
    EXPECT_EQ(f.Text1.text(), "Palette not made: taken.csv could not be created");
    EXPECT_EQ(joined(w().Text1), before);  // nothing converted

    folder.write("lost.csv", "earlier palette\r\n");
    const std::filesystem::path working = folder.path() / imaging::workingPaletteName("lost.csv");
    int passes = 0;
    headless.events.onEachPass = [&] {
        if (++passes != 2) return;
        std::filesystem::remove(working);
        std::filesystem::create_directory(working);
    };
    answerPalette(headless.dialogs, "lost", /*replace=*/true);
    f.mnuMakePalette.click();
    EXPECT_EQ(messages().back(), "Cannot write to " + working.string() + ": it is a folder");
    EXPECT_EQ(f.Text1.text(), "Palette stopped: the block at 10 0 could not be saved; lost.csv was left as it was");
    EXPECT_EQ(folder.read("lost.csv"), "earlier palette\r\n");
    EXPECT_FALSE(std::filesystem::exists(working));
    EXPECT_FALSE(f.mnuView3D.visible());
}

}  // namespace
}  // namespace tintara::testkit
