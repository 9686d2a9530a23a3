// The Ci5/Ci7 measurement against a scripted instrument.
#include "dialogue_fixture.h"

namespace tintara::instruments::testing {
namespace {

// "<00>" and the values as seven-character fields with three decimals,
// comma-separated: the point of each value is found and the field read from
// three characters before it.
std::string ci5Reply(double (*value)(std::size_t), std::size_t count = 40) {
    std::string reply = "<00> ";
    for (std::size_t i = 1; i <= count; ++i) reply += field(value(i), 7, 3) + (i < count ? "," : "");
    return reply + "\r\n>";
}

class Ci5Ci7 : public DialogueTest {
protected:
    void answerEverything() {
        port.on("R\r", "i1 ready\r\n>");
        port.on("config -mode=sce\r", "<00>\r\n>");
        port.on("measure\r", ci5Reply(ramp));
    }
};

TEST_F(Ci5Ci7, MeasuresAndSendsTheModeOnlyOnce) {
    context.commPort = 3;
    answerEverything();
    ASSERT_EQ(run("Ci5/Ci7"), MeasureEnd::Tail);
    for (std::size_t i = 1; i <= 40; ++i) EXPECT_FLOAT_EQ(refl[i], static_cast<float>(ramp(i))) << i;
    EXPECT_EQ(port.sent, (std::vector<std::string>{"R\r", "config -mode=sce\r", "measure\r"}));
    EXPECT_EQ(port.portNumber, 3);
    EXPECT_EQ(port.settings, "38400,N,8,1");
    EXPECT_EQ(port.handshaking, ui::Handshaking::RtsCts);
    EXPECT_TRUE(state.sceConfigured);
    EXPECT_TRUE(messages().empty());
    expectClosed();

    port.sent.clear();
    ASSERT_EQ(run("Ci5/Ci7"), MeasureEnd::Tail);
    EXPECT_EQ(port.sent, (std::vector<std::string>{"R\r", "measure\r"}));
    expectClosed();
}

TEST_F(Ci5Ci7, WakeUpIsRepeatedUntilTheGreeting) {
    port.on("R\r", "X1 busy>").once();
    port.on("R\r", "I1 ready>");  // an upper-case I is as good
    port.on("config -mode=sce\r", ">");
    port.on("measure\r", ci5Reply(ramp));
    ASSERT_EQ(run("Ci5/Ci7"), MeasureEnd::Tail);
    EXPECT_EQ(port.sent, (std::vector<std::string>{"R\r", "R\r", "config -mode=sce\r", "measure\r"}));

    // An instrument that always answers, but never with the greeting, is given up.
    ui::ScriptedSerialPort chatty{clock};
    DialogueContext chattyContext = contextFor(chatty);
    chatty.on("R\r", "?>");
    refl.fill(-1);
    EXPECT_EQ(measure("Ci5/Ci7", chattyContext, state, refl), MeasureEnd::EarlyExit);
    EXPECT_EQ(lines.back(), "Ci5/Ci7 did not wake up");
    EXPECT_GT(chatty.sent.size(), 10u);
    EXPECT_TRUE(refreshed(-1));
    EXPECT_FALSE(chatty.isOpen());
}

TEST_F(Ci5Ci7, SilenceAtEachStepIsNotConnected) {
    // Silent at the wake-up call, at the mode command and at the measurement.
    for (int silentAt = 0; silentAt < 3; ++silentAt) {
        ui::ScriptedSerialPort device{clock};
        DialogueContext c = contextFor(device);
        if (silentAt > 0) device.on("R\r", "i>");
        if (silentAt > 1) device.on("config -mode=sce\r", ">");
        MeasureState fresh;
        lines.clear();
        EXPECT_EQ(measure("Ci5/Ci7", c, fresh, refl), MeasureEnd::EarlyExit);
        EXPECT_EQ(lines, std::vector<std::string>{"Ci5/Ci7 not connected"});
        EXPECT_EQ(fresh.sceConfigured, silentAt > 1);
        EXPECT_EQ(device.opens, device.closes);
    }
    EXPECT_TRUE(refreshed(-1));
    EXPECT_TRUE(messages().empty());  // all on the message line
}

TEST_F(Ci5Ci7, ShortOrImplausibleRepliesAreRejected) {
    port.on("R\r", "i>");
    port.on("config -mode=sce\r", ">");
    port.on("measure\r", ci5Reply(ramp, 39)).once();  // one point short
    port.on("measure\r", ".5," + ci5Reply(ramp)).once();  // a point within the first three characters
    port.on("measure\r", ci5Reply([](std::size_t i) { return i == 7 ? 250.0 : 50.0; })).once();
    EXPECT_EQ(run("Ci5/Ci7"), MeasureEnd::EarlyExit);
    EXPECT_EQ(lines.back(), "Ci5/Ci7 reply incomplete - reading rejected");
    EXPECT_EQ(run("Ci5/Ci7"), MeasureEnd::EarlyExit);
    EXPECT_EQ(lines.back(), "Ci5/Ci7 reply incomplete - reading rejected");
    EXPECT_EQ(run("Ci5/Ci7"), MeasureEnd::EarlyExit);
    EXPECT_EQ(lines.back(), "Ci5/Ci7 reading out of range - reading rejected");
    EXPECT_TRUE(refreshed(-1));
    expectClosed();
}

}  // namespace
}  // namespace tintara::instruments::testing
