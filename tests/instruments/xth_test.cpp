// The XTH measurement against a scripted instrument.
#include "dialogue_fixture.h"

namespace tintara::instruments::testing {
namespace {

// "11" and an 18-character head, then six-character values 8 apart from
// position 19.
std::string xthReply(double (*value)(std::size_t), const std::string& status = "11") {
    std::string reply = status + std::string(16, ' ');
    for (std::size_t i = 1; i <= 40; ++i) reply += field(value(i), 6, 2) + "  ";
    return reply + "\r\n>";
}

using Xth = DialogueTest;

TEST_F(Xth, MeasuresAfterWakingASleepingInstrument) {
    port.on("R\r", "").once();  // asleep: no answer to the first call
    port.on("R\r", "XTH V2.1>");
    port.on("M 8\r", xthReply(ramp)).inChunks(40);
    ASSERT_EQ(run("XTH"), MeasureEnd::Tail);
    for (std::size_t i = 1; i <= 40; ++i) EXPECT_FLOAT_EQ(refl[i], static_cast<float>(ramp(i))) << i;
    EXPECT_EQ(lines, std::vector<std::string>{"XTH Sleeping"});
    EXPECT_EQ(port.sent, (std::vector<std::string>{"R\r", "R\r", "M 8\r"}));
    EXPECT_EQ(port.settings, "38400,N,8,1");
    EXPECT_EQ(port.handshaking, ui::Handshaking::RtsCts);
    expectClosed();
}

TEST_F(Xth, FailuresOfTheMeasurement) {
    port.on("R\r", "X>");
    port.on("M 8\r", "11 half a reply").once();
    port.on("M 8\r", xthReply(ramp, "20")).once();
    port.on("M 8\r", "11>").once();
    port.on("M 8\r", xthReply([](std::size_t i) { return i == 40 ? -6.0 : 1.0; })).once();

    // Incomplete after 5 s, and uncalibrated: the previous curve is shown again.
    EXPECT_EQ(run("XTH"), MeasureEnd::Tail);
    EXPECT_EQ(messages().back(), "error in Measurement");
    EXPECT_EQ(run("XTH"), MeasureEnd::Tail);
    EXPECT_EQ(messages().back(), "Instrument Uncalibrated");
    // Too short to hold the values, and a value no reflectance can have.
    EXPECT_EQ(run("XTH"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "XTH reply incomplete - reading rejected");
    EXPECT_EQ(run("XTH"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "XTH reading out of range - reading rejected");
    // Nothing at all after the command.
    EXPECT_EQ(run("XTH"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "XTH stopped answering during the measurement");
    EXPECT_EQ(messages().size(), 5u);
    EXPECT_TRUE(refreshed(-1));
    expectClosed();
}

TEST_F(Xth, NeverWakingIsGivenUp) {
    const double start = clock.secondsSinceMidnight();
    EXPECT_EQ(run("XTH"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages(), std::vector<std::string>{"XTH did not wake up"});
    EXPECT_GT(lines.size(), 10u);  // "XTH Sleeping" after every call
    EXPECT_EQ(lines.front(), "XTH Sleeping");
    EXPECT_NEAR(clock.secondsSinceMidnight() - start, 32, 2);  // 30 s, and the call under way
    expectClosed();
}

}  // namespace
}  // namespace tintara::instruments::testing
