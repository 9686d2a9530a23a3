// Measure and Calibrate through the main window, against a scripted instrument.
// The dialogue itself (every reply, every failure, a second press while one
// runs) is proven by the instrument tests; here what the window makes of it.
#include "main_window_fixture.h"

#include "ui/headless/scripted_serial_port.h"

namespace tintara::testkit {

class MeasureTest : public ::testing::Test {
protected:
    void start(const std::string& config) {
        folder.write("zol.cfg", config);
        window = startedWindow(headless, folder.path());
        headless.clock.advanceOnRead(0.01);
    }
    workspace::Form1& w() { return *window; }

    // A Color-Eye 7000 answer: status, then 40 seven-character fields 10 apart.
    static std::string ce7000Reply(const std::string& status) {
        std::string reply = status + std::string(18, ' ');
        for (int i = 0; i < 40; ++i) reply += "  50.00   ";
        return reply + "\r\n>";
    }

    ScratchFolder folder;
    ui::ScriptedSerialPort port;
    ui::HeadlessPlatform headless{port};
    std::unique_ptr<workspace::Form1> window;
};

// A silent instrument leaves the window as it was; only a new reading,
// converted, counts as a measurement, and the message line does not. A flat
// 50 % curve is half of what the weights add up to (98.074, 100, 118.230), to
// two decimals: a neutral grey.
TEST_F(MeasureTest, Ce7000ReadingBecomesTheCurrentColourOnlyForANewReading) {
    start("CE7000\r\n 2 \r\n");
    const auto before = workspace::shownFields(w());
    w().Command8.click();
    EXPECT_EQ(workspace::shownFields(w()), before);
    port.on("R", ">");
    port.on("M\r", ce7000Reply("20")).once();
    const std::string reply = ce7000Reply("11");
    port.on("M\r", reply.substr(0, 19)).once().followedBy(reply.substr(19), 3);
    w().Command8.click();
    EXPECT_EQ(headless.dialogs.messages(), (std::vector<std::string>{"CE-7000 not connected", "Calibrate Instrument"}));
    EXPECT_FALSE(w().measurementShown());
    w().Text3.setText("a line the instrument left");
    w().Command8.click();
    EXPECT_EQ(port.portNumber, 2);
    EXPECT_TRUE(w().measurementShown());
    EXPECT_EQ(joined(w().Text11), "49.04,50.00,59.11");
    EXPECT_EQ(w().Text12[2].text().substr(0, 2), "0.");
    EXPECT_FALSE(port.isOpen());
}

}  // namespace tintara::testkit
