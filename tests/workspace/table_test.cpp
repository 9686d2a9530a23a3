// "Make Table" of the service mode: the file under the window's illuminant,
// "Done" once it is whole, nothing else in the window touched. The line is the
// neutral at value 1 worked out by hand (Y = 1.2101 from the value polynomial,
// the C white's x, y); the table under D65 is checked through tintara-cli.
#include "import_fixture.h"

#include <gmock/gmock.h>

namespace tintara::testkit {
namespace {

class TableTest : public ServiceModeTest {
protected:
    void pressMakeTable() {
        openServiceMode();
        w().Command3.click();
    }
    // The line of the table that starts with `start`, without its end.
    std::string row(const std::string& start) {
        const std::string text = folder.read("muntable2.prn");
        const auto at = text.find(start);
        return at == std::string::npos ? "(none)" : text.substr(at, text.find("\r\n", at) - at);
    }
};

// The tolerance chart is not redrawn for the table's colours, and the
// window's conversions are not used, so the open chart changes nothing:
// 5B 5/10 keeps its clamped components (R below 0).
TEST_F(TableTest, TheFileIsWrittenAndDoneSaidWithTheWindowAndAnOpenChartUntouched) {
    ChartThatLowersChartMode chart(w());
    w().setCompanions(&chart);
    w().Check3.setValue(1);
    auto before = workspace::shownFields(w());
    before.back().second = "kqv";  // the message line holds the service code that opened "Make Table"
    pressMakeTable();
    EXPECT_EQ(messages(), std::vector<std::string>{"Done"});
    EXPECT_EQ(row("Tintara"),
              "Tintara - Munsell Colour Workbench  Tintara 12.24.1, from the Munsell renotation data "
              "(Newhall, Nickerson and Judd, 1943)");
    EXPECT_EQ(row("Angle"), "Angle\tHue\tValue\tChroma\tX\tY\tZ\tL*\ta*\tb*\tR\tG\tB");
    EXPECT_EQ(row(" 0 \t.00R\t 1 \t"), " 0 \t.00R\t 1 \t 0 \t1.19\t1.21\t1.43\t10.63\t-.01\t.02\t34\t34\t34");
    EXPECT_THAT(row(" 65 \t5.00B\t 5 \t 10 \t"), testing::EndsWith("\t0\t136\t177"));
    EXPECT_EQ(workspace::shownFields(w()), before);
    EXPECT_EQ(chart.drawn, 1);  // when it was ticked
    EXPECT_FALSE(w().chartMode);
    EXPECT_TRUE(w().serviceOutcome().completed);
    EXPECT_GT(w().serviceOutcome().converted, 5000);
    EXPECT_EQ(files(), 1);
    w().setCompanions(companions.get());
}

TEST_F(TableTest, AFailedWriteSaysSoInsteadOfDoneAndKeepsThePreviousTable) {
    folder.write("muntable2.prn", "previous");
    FullDisk disk(100000);
    w().writeSeam = &disk;
    pressMakeTable();
    EXPECT_EQ(messages(), std::vector<std::string>{"Could not write " + (folder.path() / "muntable2.prn").string() +
                                                   ": No space left on device. The previous muntable2.prn keeps what "
                                                   "it held."});
    EXPECT_EQ(folder.read("muntable2.prn"), "previous");
    EXPECT_EQ(files(), 1);
    EXPECT_FALSE(w().serviceOutcome().completed);
}

}  // namespace
}  // namespace tintara::testkit
