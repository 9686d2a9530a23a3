// The calibration dialogues: the order of the references, what each answer
// does, and the messages.
#include "dialogue_fixture.h"

namespace tintara::instruments::testing {
namespace {

using ui::Answer;
using Sends = std::vector<std::string>;

class Calibration : public DialogueTest {
protected:
    std::vector<std::string> prompts() const {
        std::vector<std::string> out;
        for (const auto& d : dialogs.shown) out.push_back(d.prompt);
        return out;
    }
    void answer(std::initializer_list<Answer> answers) {
        for (Answer a : answers) dialogs.answerMessage(a);
    }
};

TEST_F(Calibration, Ce2180WhiteThenOpenPort) {
    port.on("v", "CE2180\r\n");
    for (const char* command : {"K", "C", "B"}) port.on(command, std::string(18, '0'));
    const std::vector<std::pair<std::vector<Answer>, Sends>> cases = {
        {{Answer::Yes, Answer::Yes}, {"v", "K", "C", "B"}},
        {{Answer::No, Answer::Yes}, {"v", "K", "B"}},
        {{Answer::Yes, Answer::Cancel}, {"v", "K", "C"}},
        {{Answer::Cancel}, {"v", "K"}},
    };
    for (const auto& [answers, expected] : cases) {
        port.sent.clear();
        dialogs.shown.clear();
        for (Answer a : answers) dialogs.answerMessage(a);
        calibrateWith("CE2180");
        EXPECT_EQ(port.sent, expected);
        EXPECT_EQ(prompts().size(), answers.size());  // Cancel on the white standard ends at once
        EXPECT_EQ(dialogs.shown[0].prompt, "White Standard");
        EXPECT_EQ(dialogs.shown[0].buttons, ui::MessageButtons::YesNoCancel);
        EXPECT_EQ(dialogs.shown[0].title, "");
    }
    EXPECT_EQ(port.settings, "9600,N,8,1");
    expectClosed();
}

TEST_F(Calibration, Ce7000OpenPortFirst) {
    port.on("R", "CE7000>");
    for (const char* command : {"I\r", "C\r"}) port.on(command, std::string(19, '0'));
    answer({Answer::Yes, Answer::Yes});
    calibrateWith("CE7000A");
    EXPECT_EQ(port.sent, (Sends{"R", "I\r", "C\r"}));
    EXPECT_EQ(prompts(), (std::vector<std::string>{"Open Port", "White Standard"}));
    for (Answer notYes : {Answer::No, Answer::Cancel}) {
        port.sent.clear();
        dialogs.shown.clear();
        answer({notYes});
        calibrateWith("CE7000");
        EXPECT_EQ(port.sent, Sends{"R"});
        EXPECT_EQ(prompts(), std::vector<std::string>{"Open Port"});  // the white step is not offered
    }
    port.sent.clear();
    answer({Answer::Yes, Answer::No});
    calibrateWith("CE7000");
    EXPECT_EQ(port.sent, (Sends{"R", "I\r"}));
    expectClosed();
}

TEST_F(Calibration, ColorEyeSilence) {
    calibrateWith("CE7000");
    calibrateWith("CE2180");
    EXPECT_EQ(messages(), (std::vector<std::string>{"CE-7000 not connected", "CE-2180 not connected"}));
    port.on("R", ">");
    port.on("v", "\n");
    calibrateWith("CE7000");  // "Open Port" answered Yes; no 19 bytes follow
    calibrateWith("CE2180");  // no 18 bytes after "K"
    EXPECT_EQ(messages()[3], "CE-7000 stopped answering during the calibration");
    EXPECT_EQ(messages()[4], "CE-2180 stopped answering during the calibration");
    EXPECT_EQ(messages().size(), 5u);
    expectClosed();
}

TEST_F(Calibration, Ci5Ci7WhiteCeramicThenBlackTrap) {
    state.sceConfigured = true;  // calibration sends the mode command all the same
    port.on("R\r", "i1 ready>");
    port.on("config -mode=sce\r", ">");
    port.on("whitecal\r", "white done>");
    port.on("blackcal\r", "black done>");
    answer({Answer::OK, Answer::OK, Answer::Cancel, Answer::OK});
    calibrateWith("Ci5/Ci7");
    EXPECT_EQ(port.sent, (Sends{"R\r", "config -mode=sce\r", "whitecal\r", "blackcal\r"}));
    EXPECT_EQ(lines.back(), "black done>");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "white done>"), lines.end());
    EXPECT_EQ(dialogs.shown[0].prompt, "White Ceramic Calibration");
    EXPECT_EQ(dialogs.shown[0].title, "Instrument Calibration");
    EXPECT_EQ(dialogs.shown[0].buttons, ui::MessageButtons::OKCancel);
    EXPECT_EQ(dialogs.shown[1].prompt, "Black Trap Calibration");
    EXPECT_EQ(dialogs.shown[1].title, "Black Calibration");

    // Cancel on the white ceramic still offers the black trap.
    port.sent.clear();
    calibrateWith("Ci5/Ci7");
    EXPECT_EQ(port.sent, (Sends{"R\r", "config -mode=sce\r", "blackcal\r"}));
    EXPECT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(port.handshaking, ui::Handshaking::RtsCts);
    expectClosed();
}

TEST_F(Calibration, Ci5Ci7NotConnected) {
    // Nothing attached: the wake-up call waits its full 100 s first.
    const double start = clock.secondsSinceMidnight();
    calibrateWith("Ci5/Ci7");
    EXPECT_EQ(lines.back(), "Ci5/Ci7 not connected");
    EXPECT_GT(clock.secondsSinceMidnight() - start, 100.0);

    // An answer after 3 s is too late, though it came within the 100 s.
    lines.clear();
    port.on("R\r", "i ready>").afterSeconds(3).once();
    calibrateWith("Ci5/Ci7");
    EXPECT_EQ(lines.back(), "Ci5/Ci7 not connected");
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), "i ready>") != lines.end());  // shown as it came

    // Silent at the mode command.
    lines.clear();
    port.on("R\r", "i>");
    calibrateWith("Ci5/Ci7");
    EXPECT_EQ(lines.back(), "Ci5/Ci7 not connected");
    EXPECT_TRUE(dialogs.shown.empty());
    expectClosed();
}

TEST_F(Calibration, XthWhiteThenOpenPort) {
    port.on("R\r", "").once();
    port.on("R\r", "XT V2>");
    port.on("C\r", "partial");  // slow: the partial reply is shown and the dialogue goes on
    port.on("B\r", "open done>").afterSeconds(9);
    // A person who takes a long time over the white step still gets the full 10 s.
    dialogs.onShow = [this](const ui::ShownDialog&) { clock.advance(1000); };
    calibrateWith("XTH");
    EXPECT_EQ(port.sent, (Sends{"R\r", "R\r", "C\r", "B\r"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"XT Sleeping", "partial", "open done>"}));
    EXPECT_EQ(dialogs.shown[0].prompt, "White Calibration");
    EXPECT_EQ(dialogs.shown[1].prompt, "Open Port Calibration");
    EXPECT_EQ(dialogs.shown[1].title, "XT Calibration");

    port.sent.clear();
    lines.clear();
    answer({Answer::Cancel, Answer::OK});
    calibrateWith("XTH");
    EXPECT_EQ(port.sent, (Sends{"R\r", "B\r"}));
    expectClosed();
}

TEST_F(Calibration, InstrumentsWithoutASerialDialogue) {
    calibrateWith("SpectroEye");
    calibrateWith("Spectrolino");
    calibrateWith("Instrument");
    calibrateWith("Inst");
    calibrateWith("Import");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].prompt, "Follow users manual for Calibration of Spectrolino / SpectroEye");
    EXPECT_EQ(dialogs.shown[1].prompt, "Follow users manual for Calibration of Spectrolino / SpectroEye");
    EXPECT_EQ(dialogs.shown[2].prompt, "No Instrument found - CE-7000 or CE-2180 only");
    EXPECT_EQ(dialogs.shown[2].icon, ui::MessageIcon::Critical);
    EXPECT_EQ(port.opens, 0);
    EXPECT_TRUE(port.sent.empty());
}

TEST_F(Calibration, PortThatWillNotOpen) {
    port.failOpen("Serial port 2 is not available");
    calibrateWith("CE7000");
    EXPECT_EQ(run("XTH"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Serial port 2 is not available", "Serial port 2 is not available"}));
    EXPECT_TRUE(port.sent.empty());
    EXPECT_TRUE(refreshed(-1));
}

}  // namespace
}  // namespace tintara::instruments::testing
