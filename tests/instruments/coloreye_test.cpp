// The Color-Eye 2180 and 7000 measurements against scripted instruments.
#include "dialogue_fixture.h"
#include "instruments/spectral.h"
#include "textio/formats.h"

namespace tintara::instruments::testing {
namespace {

double flat100(std::size_t) { return 100.0; }

// CE7000: "11" in a head of 20 characters, then seven-character values 10
// apart from position 21; 423 characters in all.
std::string ce7000Reply(double (*value)(std::size_t), const std::string& status = "11") {
    std::string reply = status + std::string(18, ' ');
    for (std::size_t i = 1; i <= 40; ++i) reply += field(value(i), 7, 2) + "   ";
    return reply + "\r\n>";
}

// CE2180: the 18-byte head, and the 290-byte block of six-character values
// 7 apart with one more character after every sixth.
const std::string ce2180Head = "11 MEASURE OK    \n";
std::string ce2180Block(double (*value)(std::size_t)) {
    std::string block;
    for (std::size_t i = 1; i <= 40; ++i) {
        block += field(value(i), 6, 2) + " ";
        if (i % 6 == 0) block += "|";
    }
    block.resize(288, ' ');
    return block + "\r\n";
}

using ColorEye = DialogueTest;

TEST_F(ColorEye, Ce7000MeasuresAWhiteAndARamp) {
    port.on("R", "CE7000 READY>");
    const std::string white = ce7000Reply(flat100);
    ASSERT_EQ(white.size(), 423u);
    port.on("M\r", white.substr(0, 19)).once().followedBy(white.substr(19), 3);
    const std::string ramped = ce7000Reply(ramp);
    port.on("M\r", ramped.substr(0, 25)).once().followedBy(ramped.substr(25, 200), 2).followedBy(ramped.substr(225), 2);

    ASSERT_EQ(run("CE7000"), MeasureEnd::Tail);
    EXPECT_TRUE(refreshed(100));
    const Tristimulus xyz = tris(refl, getweights());
    EXPECT_EQ(textio::format(xyz.X, "###.00"), "98.07");
    EXPECT_EQ(textio::format(xyz.Y, "###.00"), "100.00");
    EXPECT_EQ(textio::format(xyz.Z, "###.00"), "118.23");
    EXPECT_EQ(port.settings, "9600,N,8,1");
    EXPECT_EQ(port.handshaking, ui::Handshaking::None);
    EXPECT_FALSE(port.rts);

    ASSERT_EQ(run("CE7000A"), MeasureEnd::Tail);
    for (std::size_t i = 1; i <= 40; ++i) EXPECT_FLOAT_EQ(refl[i], static_cast<float>(ramp(i))) << i;
    EXPECT_EQ(port.sent, (std::vector<std::string>{"R", "M\r", "R", "M\r"}));
    EXPECT_GT(events.count(), 0);  // the Color-Eye waits let events run
    EXPECT_TRUE(messages().empty());
    expectClosed();
}

TEST_F(ColorEye, Ce7000Failures) {
    EXPECT_EQ(run("CE7000"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "CE-7000 not connected");

    port.on("R", ">");
    port.on("M\r", ce7000Reply(ramp, "20")).once();
    EXPECT_EQ(run("CE7000"), MeasureEnd::Tail);
    EXPECT_EQ(messages().back(), "Calibrate Instrument");

    port.on("M\r", "11 head only").once();  // fewer than 19 bytes
    EXPECT_EQ(run("CE7000"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "CE-7000 stopped answering during the measurement");
    port.on("M\r", ce7000Reply(ramp).substr(0, 300)).once();  // never longer than 421
    EXPECT_EQ(run("CE7000"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "CE-7000 stopped answering during the measurement");

    std::string garbled = ce7000Reply(ramp);
    garbled.replace(20, 7, "  n/a  ");  // the first value, at position 21
    port.on("M\r", garbled).once();
    EXPECT_EQ(run("CE7000"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "CE-7000 reply incomplete - reading rejected");
    EXPECT_EQ(messages().size(), 5u);
    EXPECT_TRUE(refreshed(-1));
    expectClosed();
}

TEST_F(ColorEye, Ce2180ReadsTheBlockAfterTheHead) {
    ASSERT_EQ(ce2180Block(ramp).size(), 290u);
    port.on("v", "CE2180 V3.1\r\n");
    port.on("M", ce2180Head).once().followedBy(ce2180Block(ramp), 4);
    ASSERT_EQ(run("CE2180"), MeasureEnd::Tail);
    for (std::size_t i = 1; i <= 40; ++i) EXPECT_FLOAT_EQ(refl[i], static_cast<float>(ramp(i))) << i;
    EXPECT_EQ(port.sent, (std::vector<std::string>{"v", "M"}));
    EXPECT_EQ(port.settings, "9600,N,8,1");
    expectClosed();
}

TEST_F(ColorEye, Ce2180Failures) {
    EXPECT_EQ(run("CE2180"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "CE-2180 not connected");
    EXPECT_GT(events.count(), 0);

    port.on("v", "V\n");
    port.on("M", "20 NOT CALIBRATED\n").once();
    EXPECT_EQ(run("CE2180"), MeasureEnd::Tail);
    EXPECT_EQ(messages().back(), "Calibrate Instrument");

    port.on("M", "11").once();
    EXPECT_EQ(run("CE2180"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "CE-2180 stopped answering during the measurement");
    port.on("M", ce2180Head).once().followedBy(ce2180Block(ramp).substr(0, 200));
    EXPECT_EQ(run("CE2180"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "CE-2180 stopped answering during the measurement");

    port.on("M", ce2180Head).once().followedBy(ce2180Block([](std::size_t i) { return i == 13 ? 201.0 : 5.0; }));
    EXPECT_EQ(run("CE2180"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "CE-2180 reading out of range - reading rejected");
    EXPECT_TRUE(refreshed(-1));
    expectClosed();
}

}  // namespace
}  // namespace tintara::instruments::testing
