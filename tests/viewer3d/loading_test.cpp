// Loading palettes into the viewer the ways a person does: ticking "3D Display
// of HVC", "Open Palette", "Save to Palette"; the list, the tables, the status
// line, LastPalette.txt, the limit, broken files, and the window kept alive
// while a long palette loads.
#include <gtest/gtest.h>

#include "viewer3d/viewer_fixture.h"
#include "workspace/typed_entry.h"

namespace tintara::testkit {
namespace {

constexpr float degree = 0.0174532925f;
constexpr ui::Rgb loadedGreen{0, 255, 0}, loadingYellow{255, 255, 0}, failedRed{255, 160, 160};

TEST_F(ViewerTest, TickingTheSwitchLoadsTheDefaultPaletteAndStartsRotating) {
    folder.write("newpalette2.csv", paletteText({{"Brick", "5R", "4", "10"},
                                                 {"Sky", "5PB", "7", "6"},
                                                 {"Olive", "2.5gy", "5", "4.5"},
                                                 {"Grey", "N", "5", "0"}}));
    viewer3d::Form3& v = open();
    EXPECT_TRUE(v.visible());
    EXPECT_TRUE(w().visible());
    ASSERT_EQ(pal().palCount, 4);
    // The list's lines are the command line's viewer tests'; a hue label of five
    // characters: the headless font measures 90 twips a character, labels
    // take 7 (630 >= 600) and the number and name 23 (2070 >= 2000).
    EXPECT_EQ(v.List1.items()[2], "3    Olive" + std::string(13, ' ') + "     H 2.5gy     V 5.00     C 4.50");
    EXPECT_NEAR(pal().palHVC[3][0], 117 * degree, 1e-6);
    // The main window converted each notation as typed: it now shows the last.
    EXPECT_EQ(joined(w().Text12), "N,5,0");
    EXPECT_EQ(pal().palRGB[4], ui::clampedRgb(w().rgbR, w().rgbG, w().rgbB));
    workspace::typeEntry(w(), workspace::EntryForm::Munsell, {"5PB", "7", "6"});
    EXPECT_EQ(pal().palRGB[2], ui::clampedRgb(w().rgbR, w().rgbG, w().rgbB));
    // The neutral's hue text names no family: the main window says so, as when typed.
    EXPECT_EQ(messages(), std::vector<std::string>{"Format Error"});

    EXPECT_EQ(v.Text1.text(), "Loaded Palette newpalette2.csv");
    EXPECT_EQ(folder.read("LastPalette.txt"), "newpalette2.csv\r\n");
    EXPECT_TRUE(v.Timer1.enabled());
    EXPECT_TRUE(v.Timer2.running());
    EXPECT_EQ(v.Command1.backColor(), (ui::Rgb{224, 160, 160}));
    EXPECT_EQ(v.Command2.backColor(), (ui::Rgb{160, 224, 160}));
}

TEST_F(ViewerTest, LastPaletteTxtBeforeAndAfter) {
    folder.write("LastPalette.txt", "b.csv\r\n");
    folder.write("b.csv", paletteText({{"from b", "5R", "4", "10"}}));
    folder.write("c.csv", paletteText({{"from c", "5Y", "8", "6"}, {"c two", "5G", "5", "4"}}));
    open();
    EXPECT_EQ(pal().palName[1], "from b");

    headless.dialogs.answerFile((folder.path() / "c.csv").string());
    viewer().mnuFileOpen.click();
    EXPECT_EQ(headless.dialogs.shown.back().kind, ui::ShownDialog::Kind::OpenFile);
    EXPECT_EQ(headless.dialogs.shown.back().defaultText, "DataBase Files (*.csv)|*.csv");
    EXPECT_EQ(pal().palCount, 2);
    EXPECT_EQ(folder.read("LastPalette.txt"), (folder.path() / "c.csv").string() + "\r\n");

    // Cancelling the dialog changes nothing and says nothing.
    const auto shownBefore = headless.dialogs.shown.size();
    viewer().mnuFileOpen.click();
    EXPECT_EQ(headless.dialogs.shown.size(), shownBefore + 1);
    EXPECT_EQ(pal().palCount, 2);
    EXPECT_EQ(viewer().Text1.text(), "Loaded Palette " + (folder.path() / "c.csv").string());
}

// 10000 entries load whole without a word; the 10001st is left with a message.
TEST_F(ViewerTest, TenThousandEntriesLoadAndTheNextIsLeftWithAMessage) {
    folder.write("newpalette2.csv", paletteText({{"first", "5R", "4", "10"}}));
    open();
    folder.write("full.csv", generatedPalette(10000) + "\r\n\r\n");
    folder.write("over.csv", generatedPalette(10001));
    for (const std::string name : {"full.csv", "over.csv"}) {
        w().paletteFile = name;
        viewer().GetData(2);
        EXPECT_EQ(pal().palCount, 10000);
        EXPECT_EQ(viewer().List1.listCount(), 10000);
        EXPECT_EQ(viewer().List1.items().back().substr(0, 15), "10000    s10000");
        EXPECT_EQ(messages(), name == "full.csv" ? std::vector<std::string>{}
                                                 : std::vector<std::string>{"Palette limited to 10000"});
        EXPECT_EQ(viewer().Text1.text(), "Loaded Palette " + name);
        EXPECT_EQ(folder.read("LastPalette.txt"), name + "\r\n");
    }
}

// A record of too few fields is refused by the reader (see its tests); the
// viewer names the line.
TEST_F(ViewerTest, ABrokenRecordKeepsWhatCameBeforeNamesTheLineAndIsNotRemembered) {
    folder.write("newpalette2.csv", paletteText({{"old", "5R", "4", "10"}}));
    open();
    load("bad.csv",
         {{"one", "5Y", "8", "6"}, {"two", "5G", "5", "4"}, {"dark", "5R", "-3", "2"}, {"after", "5B", "5", "4"}});
    EXPECT_EQ(messages().back(),
              "File format Error or Palette not generatedbad.csv\nLine 3: Value must not be negative.");
    EXPECT_EQ(pal().palCount, 2);
    EXPECT_EQ(viewer().List1.listCount(), 2);
    EXPECT_EQ(viewer().Text1.text(), "Stopped reading bad.csv after 2 entries");
    EXPECT_EQ(viewer().Text1.backColor(), failedRed);
    EXPECT_EQ(folder.read("LastPalette.txt"), "newpalette2.csv\r\n");
    EXPECT_TRUE(w().visible() && viewer().List1.visible() && viewer().mnuFileOpen.enabled());
    EXPECT_FALSE(viewer().ProgressTrough.visible());
    // Only the two entries read whole are drawn and can be picked: a click
    // where the broken third would stand (value 5, chroma 2 at 5R) finds entry 2.
    viewer().drawPalette();
    viewer().Picture1.mouseDown(ui::MouseButton::Left, 0, 0, 0);
    EXPECT_EQ(viewer().Text3[0].text(), "two");
}

// Opened without any palette, the message names the default and nothing is
// remembered; a file that cannot be opened later leaves the palette shown.
TEST_F(ViewerTest, AFileThatCannotBeOpenedLeavesThePaletteShown) {
    viewer3d::Form3& v = open();
    EXPECT_EQ(v.loadError(), "File format Error or Palette not generatednewpalette2.csv\nThe file cannot be opened.");
    EXPECT_EQ(messages(), std::vector<std::string>{v.loadError()});
    EXPECT_TRUE(v.visible() && w().visible() && v.Timer1.enabled());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "LastPalette.txt"));
    load("newpalette2.csv", {{"kept", "5R", "4", "10"}});
    std::filesystem::create_directory(folder.path() / "folder.csv");
    for (const std::string name : {"missing.csv", "folder.csv"}) {
        w().paletteFile = name;
        viewer().GetData(2);
        EXPECT_EQ(messages().back(),
                  "File format Error or Palette not generated" + name + "\nThe file cannot be opened.");
        EXPECT_EQ(pal().palCount, 1);
        EXPECT_EQ(viewer().List1.listCount(), 1);
        EXPECT_EQ(viewer().Text1.text(), "Loaded Palette newpalette2.csv");
    }
    // Nothing saved yet: no name at all.
    w().paletteFile.clear();
    viewer().GetData(2);
    EXPECT_EQ(messages().back(), "File format Error or Palette not generated\nNo palette has been saved yet.");
}

TEST_F(ViewerTest, WhileAPaletteLoadsTheWindowShowsProgressAndNothingStartsAnotherLoad) {
    folder.write("newpalette2.csv", paletteText({{"a", "5R", "4", "10"}, {"b", "5R", "4", "10"}}));
    open();
    folder.write("long.csv", generatedPalette(1100));
    folder.write("second.csv", paletteText({{"after", "5Y", "8", "6"}}));
    // Each pass of events as "count: main window, list, Open Palette and bar
    // shown (1) or not (0), the bar's fill in pixels, the status line".
    std::vector<std::string> passes;
    headless.events.onEachPass = [&] {
        viewer3d::Form3& v = viewer();
        const ui::Rgb colour = v.Text1.backColor().value_or(ui::white);
        passes.push_back(std::to_string(pal().palCount) + ": " + std::to_string(w().visible()) +
                         std::to_string(v.List1.visible()) + std::to_string(v.mnuFileOpen.enabled()) +
                         std::to_string(v.ProgressFill.visible()) + " " +
                         std::to_string(v.ProgressFill.rect().width / 15) + " " + v.Text1.text() +
                         (colour == loadingYellow ? " (yellow)"
                          : colour == loadedGreen ? " (green)"
                                                  : ""));
    };
    // A person chooses "Open Palette" and another window asks for a palette
    // while the records are read.
    headless.events.queue([this] { viewer().mnuFileOpen.click(); });
    headless.events.queue([this] {
        w().paletteFile = "second.csv";
        companions->GetData(2);
    });
    w().paletteFile = "long.csv";
    viewer().GetData(2);

    // Events ran when the load began, after entries 1, 502 and 1003, once it
    // was done, and then for the request that waited for it. The bar fills
    // with the share of the entries read, cut to whole pixels: 345 * 502 / 1100
    // = 157.4 and 345 * 1003 / 1100 = 314.6.
    ASSERT_GE(passes.size(), 6u);
    EXPECT_EQ(
        std::vector<std::string>(passes.begin(), passes.begin() + 6),
        (std::vector<std::string>{
            "2: 0001 0 Loading Palette long.csv (yellow)", "1: 0001 0 Loading Palette long.csv   1 (yellow)",
            "502: 0001 157 Loading Palette long.csv   502 (yellow)",
            "1003: 0001 314 Loading Palette long.csv   1003 (yellow)", "1100: 1110 314 Loaded Palette long.csv (green)",
            "1100: 0001 0 Loading Palette second.csv (yellow)"}));
    // The disabled menu opened no dialog; the waiting request ran last.
    for (const auto& d : headless.dialogs.shown) EXPECT_NE(d.kind, ui::ShownDialog::Kind::OpenFile);
    EXPECT_EQ(pal().palCount, 1);
    EXPECT_EQ(pal().palName[1], "after");
    EXPECT_EQ(folder.read("LastPalette.txt"), "second.csv\r\n");
}

TEST_F(ViewerTest, SaveToPaletteReloadsTheViewerWhileItsSwitchIsTicked) {
    folder.write("newpalette2.csv", paletteText({{"start", "5R", "4", "10"}}));
    open();
    workspace::typeEntry(w(), workspace::EntryForm::Munsell, {"5R", "4", "10"});
    headless.dialogs.answerInput("mine");
    headless.dialogs.answerInput("say \"hi\", ok");
    w().Command11.click();
    ASSERT_EQ(pal().palCount, 1);
    EXPECT_EQ(pal().palName[1], "say \"hi\", ok");  // the doubled quotes read back as one
    EXPECT_EQ(viewer().Text1.text(), "Loaded Palette mine.csv");
    headless.dialogs.answerInput("second");
    w().Command11.click();
    EXPECT_EQ(pal().palCount, 2);
    EXPECT_EQ(folder.read("LastPalette.txt"), "mine.csv\r\n");

    // "eXit" hides the viewer and clears the switch: saves no longer reload it,
    // but another window's request shows it again with the palette.
    viewer().mnuExit.click();
    EXPECT_FALSE(viewer().visible());
    EXPECT_FALSE(w().Check7.ticked());
    headless.dialogs.answerInput("third");
    w().Command11.click();
    EXPECT_EQ(pal().palCount, 2);
    EXPECT_FALSE(viewer().visible());
    companions->GetData(2);
    EXPECT_TRUE(viewer().visible());
    EXPECT_EQ(pal().palCount, 3);
}

TEST_F(ViewerTest, ARequestBeforeTheViewerExistsLoadsTheLastPaletteFirst) {
    folder.write("newpalette2.csv", paletteText({{"first", "5R", "4", "10"}}));
    folder.write("Cpalette.csv",
                 "12/6/2026,09:30:00, 6,5R,4,10,0,0,0,0,0,0,0,0,0,140,90,60,end\r\n"
                 "12/6/2026,09:30:00, 5,5YR,4,10,0,0,0,0,0,0,0,0,0,140,90,60,end\r\n");
    w().paletteFile = "Cpalette.csv";
    companions->GetData(2);
    EXPECT_TRUE(viewer().visible());
    EXPECT_EQ(pal().palCount, 2);
    EXPECT_EQ(pal().palName[1], "6");  // the chip number, its blank dropped with the field's
    EXPECT_EQ(folder.read("LastPalette.txt"), "Cpalette.csv\r\n");
    EXPECT_FALSE(w().Check7.ticked());
}

TEST_F(ViewerTest, ANeutralStandsAtAngleZeroWhateverThePaletteBeforeLeft) {
    open();
    load("yellow.csv", {{"y", "5Y", "8", "6"}});
    EXPECT_NEAR(pal().palHVC[1][0], 90 * degree, 1e-6);
    load("grey.csv", {{"g", "N", "5", "0"}});
    EXPECT_EQ(pal().palHVC[1][0], 0.0f);
    EXPECT_EQ(pal().palHue[1], "n      ");
}

}  // namespace
}  // namespace tintara::testkit
