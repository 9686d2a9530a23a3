// The calibration dialogues: the order of the references, what each answer
// does, and every way a calibration can fail.
#include "dialogue_fixture.h"

namespace tintara::instruments::testkit {
namespace {

using ui::Answer;

TEST_F(DialogueTest, CalibrationOrdersAndAnswers) {
    struct Row {
        std::string list;
        Script script;
        std::vector<Answer> answers;
        Texts sent, prompts, lines = {};
    };
    const std::string eighteen(18, '0'), nineteen(19, '0');
    const Script ce2180{{"v", "CE2180\r\n"}, {"K", eighteen}, {"C", eighteen}, {"B", eighteen}};
    const Script ce7000{{"R", "CE7000>"}, {"I\r", nineteen}, {"C\r", nineteen}};
    const std::string sce = "config -mode=sce\r";
    // A reply of several lines shows its first line that holds anything.
    const Script ci5{
        {"R\r", "i1 ready>"}, {sce, ">"}, {"whitecal\r", "\r\nwhite done\r\nOK>"}, {"blackcal\r", "black done>"}};
    // Asleep at the first call; the white reply is slow and comes only in part.
    const Script xth{{"R\r", "", "", 1}, {"R\r", "XT V2>"}, {"C\r", "partial"}, {"B\r", "open done>", "", -1, 9}};
    const Texts whiteOpen{"White Standard", "Open Port"}, openWhite{"Open Port", "White Standard"};
    const Texts ci5Prompts{"Instrument Calibration: White Ceramic Calibration",
                           "Black Calibration: Black Trap Calibration"};
    const Texts xthPrompts{"XT Calibration: White Calibration", "XT Calibration: Open Port Calibration"};
    using enum Answer;
    const Row rows[] = {
        {"CE2180", ce2180, {Yes, Yes}, {"v", "K", "C", "B"}, whiteOpen},
        {"CE2180", ce2180, {No, Yes}, {"v", "K", "B"}, whiteOpen},
        {"CE2180", ce2180, {Cancel}, {"v", "K"}, {"White Standard"}},
        {"CE7000A", ce7000, {Yes, Yes}, {"R", "I\r", "C\r"}, openWhite},
        {"CE7000", ce7000, {No}, {"R"}, {"Open Port"}},
        {"CE7000", ce7000, {Cancel}, {"R"}, {"Open Port"}},
        {"Ci5/Ci7",
         ci5,
         {OK, OK},
         {"R\r", sce, "whitecal\r", "blackcal\r"},
         ci5Prompts,
         {"i1 ready>", "white done", "black done>"}},
        {"Ci5/Ci7", ci5, {Cancel, OK}, {"R\r", sce, "blackcal\r"}, ci5Prompts, {"i1 ready>", "black done>"}},
        {"XTH", xth, {OK, OK}, {"R\r", "R\r", "C\r", "B\r"}, xthPrompts, {"XT Sleeping", "partial", "open done>"}},
        {"XTH", xth, {Cancel, OK}, {"R\r", "R\r", "B\r"}, xthPrompts, {"XT Sleeping", "open done>"}},
    };
    // Calibration sends the Ci5/Ci7 mode command whatever the measurements did.
    state.sceConfigured = true;
    // However long a person takes over a prompt, the reply still gets its full time.
    dialogs.onShow = [this](const ui::ShownDialog&) { clock.advance(100); };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.list + " " + ::testing::PrintToString(row.sent));
        fresh(row.script);
        for (Answer answer : row.answers) dialogs.answerMessage(answer);
        calibrate(row.list, context, state);
        EXPECT_EQ(port.sent, row.sent);
        Texts prompts;
        for (const auto& d : dialogs.shown) prompts.push_back(d.title.empty() ? d.prompt : d.title + ": " + d.prompt);
        EXPECT_EQ(prompts, row.prompts);
        EXPECT_EQ(lines, row.lines);
        expectClosed();
    }
    EXPECT_TRUE(state.sceConfigured);
}

TEST_F(DialogueTest, EveryCalibrationFailureAndListEntryWithoutADialogue) {
    const std::string ci5Silent = "Ci5/Ci7 not connected",
                      manual = "Follow users manual for Calibration of Spectrolino / SpectroEye";
    using enum Where;
    const Failure rows[] = {
        // The mode command is answered, so that only the wake-up can end these;
        // a greeting after 2 s is the pace tests'.
        {"Ci5/Ci7", {{"config -mode=sce\r", ">"}}, ci5Silent, Line},
        {"Ci5/Ci7", {{"R\r", "?>"}, {"config -mode=sce\r", ">"}}, "Ci5/Ci7 did not wake up", Line},
        {"Ci5/Ci7", {{"R\r", "i>"}}, ci5Silent, Line},  // silent at the mode command
        {"XTH", {}, "XTH did not wake up", Box},
        {"CE2180", {}, "CE-2180 not connected", Box},
        {"CE2180", {{"v", "\n"}}, "CE-2180 stopped answering during the calibration", Box},
        {"CE7000", {}, "CE-7000 not connected", Box},
        {"CE7000A", {{"R", ">"}}, "CE-7000 stopped answering during the calibration", Box},
        {"CE7000", {{"", "Serial port 2 is not available"}}, "Serial port 2 is not available", Box},
        {"Spectrolino", {}, manual, Box},
        {"SpectroEye", {}, manual, Box},
        {"Instrument", {}, "No Instrument found - CE-7000 or CE-2180 only", Box},
        {"Inst", {}, "", Nowhere},
    };
    for (const Failure& row : rows) {
        SCOPED_TRACE(row.name + ": " + row.message);
        fresh(row.script);
        calibrate(row.name, context, state);
        EXPECT_EQ(whereShown(row.message), row.where);
        // The message ends the dialogue: no prompt follows it.
        EXPECT_EQ(dialogs.shown.empty() ? "" : dialogs.shown.back().prompt, row.where == Box ? row.message : "");
        if (row.name == "Instrument") {
            EXPECT_EQ(dialogs.shown.back().icon, ui::MessageIcon::Critical);
        }
        expectClosed();
    }
}

}  // namespace
}  // namespace tintara::instruments::testkit
