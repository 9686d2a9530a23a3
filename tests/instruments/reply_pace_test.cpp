// Valid replies however they come: one byte at a time at a pace that just fits
// each wait (and just does not), and split into two reads at every position.
#include <algorithm>

#include "dialogue_fixture.h"
#include "paced_instrument.h"

namespace tintara::instruments::testkit {
namespace {

using Parts = std::vector<Part>;
constexpr double paced = -1;  // stands for the seconds under test

class PaceTest : public Dialogues<PacedInstrument> {
protected:
    PaceTest() { clock.advanceOnRead(0.001); }
    // A new instrument behind a clean window.
    void fresh() {
        port = PacedInstrument(clock);
        dialogs.shown.clear();
        lines.clear();
        state = {};
    }

    static const ValidDialogue& dialogue(const std::string& inst) {
        return *std::find_if(validDialogues.begin(), validDialogues.end(),
                             [&](const ValidDialogue& d) { return d.inst == inst; });
    }
    // Answers as `inst` does, except to `command`.
    void playExcept(const std::string& inst, const std::string& command) {
        for (const auto& [sent, reply] : dialogue(inst).replies)
            if (sent != command) port.answer(sent, {{reply}});
    }
    // Measures with `inst`, its reply to `command` replaced by `parts`.
    MeasureEnd measureWith(const std::string& inst, const std::string& command, const Parts& parts) {
        playExcept(inst, command);
        port.answer(command, parts);
        refl.fill(-1.0f);
        return run(inst);
    }
};

// Each wait of each measurement: its reply, one byte at a time, finishing 50 ms
// inside the limit is taken; finishing 50 ms outside it is not.
TEST_F(PaceTest, EveryWaitTakesAReplyJustInsideItsLimitAndNoLater) {
    struct Row {
        std::string inst, command;
        Parts parts;  // `paced` marks the part spread over the seconds under test
        double limit;
        std::string message;  // what shows when the reply comes too late
        MeasureEnd end = MeasureEnd::EarlyExit;
    };
    const std::string stopped = " stopped answering during the measurement";
    const std::string block = ce2180Block(), silentCi5 = "Ci5/Ci7 not connected";
    const std::string ce7000Status = ce7000Reply().substr(0, 19), ce7000Data = ce7000Reply().substr(19);
    const std::string eyeSilent = "SpectroEye not responding - Settings serial 9600 handshake=No",
                      eyeNoData = "SpectroEye data not returned - message=: 185 9 0 0.2450";
    const Row rows[] = {
        {"CE7000", "R", {{"CE7000 V2.10\r\n>", paced}}, 5, "CE-7000 not connected"},
        {"CE7000", "M\r", {{ce7000Status, paced}, {ce7000Data}}, 10, "CE-7000" + stopped},
        {"CE7000", "M\r", {{ce7000Status}, {ce7000Data, paced}}, 10, "CE-7000" + stopped},
        {"CE2180", "v", {{"CE2180 V3.1\r\n", paced}}, 5, "CE-2180 not connected"},
        {"CE2180", "M", {{ce2180Head, paced}, {block}}, 10, "CE-2180" + stopped},
        {"CE2180", "M", {{ce2180Head}, {block, paced}}, 10, "CE-2180" + stopped},
        {"XTH", "M 8\r", {{xthReply(), paced}}, 5, "error in Measurement", MeasureEnd::PreviousCurve},
        // The first byte after most of the time, the rest at once.
        {"XTH", "M 8\r", {{"1", paced}, {xthReply().substr(1)}}, 5, "error in Measurement", MeasureEnd::PreviousCurve},
        {"Ci5/Ci7", "R\r", {{"i1 ready\r\n>", paced}}, 2, silentCi5},
        {"Ci5/Ci7", "config -mode=sce\r", {{"<00>\r\n>", paced}}, 2, silentCi5},
        {"Ci5/Ci7", "measure\r", {{ci5Reply(), paced}}, 10, silentCi5},
        {"SpectroEye", spectroHello, {{"OK\r\n", paced}}, 5, eyeSilent},
        {"SpectroEye", spectroData, {{spectroReply(rampFraction), paced}}, 5, eyeNoData},
    };
    for (const Row& row : rows) {
        for (const double seconds : {row.limit - 0.05, row.limit + 0.05}) {
            SCOPED_TRACE(row.inst + " " + ::testing::PrintToString(row.command) + " " + std::to_string(seconds));
            Parts parts = row.parts;
            for (Part& part : parts)
                if (part.seconds == paced) part.seconds = seconds;
            fresh();
            const MeasureEnd end = measureWith(row.inst, row.command, parts);
            Texts shown = dialogs.messages();
            if (row.inst == "Ci5/Ci7") shown = lines;
            if (seconds < row.limit) {
                EXPECT_EQ(end, MeasureEnd::NewReading);
                expectCurve(dialogue(row.inst).curve);
                EXPECT_EQ(shown, Texts{});
            } else {
                EXPECT_EQ(end, row.end);
                expectCurve(unset);
                ASSERT_FALSE(shown.empty());
                EXPECT_EQ(shown.front().substr(0, row.message.size()), row.message);
            }
            EXPECT_FALSE(port.isOpen());
        }
    }
}

// The XTH wake-up: a greeting that comes 50 ms inside its 2 s is taken at once;
// one that comes 50 ms late counts as silence, and is taken as the answer to
// the second call.
TEST_F(PaceTest, XthWakeUpLimit) {
    for (const double seconds : {1.95, 2.05}) {
        SCOPED_TRACE(seconds);
        fresh();
        port.answer("R\r", {{"", seconds}, {"XTH V2.1>"}});
        port.answer("R\r", {});
        playExcept("XTH", "R\r");
        EXPECT_EQ(run("XTH"), MeasureEnd::NewReading);
        EXPECT_EQ(lines, seconds < 2 ? Texts{} : Texts{"XTH Sleeping"});
        EXPECT_EQ(port.sent, seconds < 2 ? (Texts{"R\r", "M 8\r"}) : (Texts{"R\r", "R\r", "M 8\r"}));
    }
}

// The calibration waits: the X-Rite reference step shows what came within its
// 10 s, and the Ci5/Ci7 wake-up takes no greeting later than 2 s.
TEST_F(PaceTest, CalibrationWaitLimits) {
    for (const double seconds : {9.95, 10.05}) {
        SCOPED_TRACE(seconds);
        fresh();
        port.answer("R\r", {{"XTH V2.1>"}});
        port.answer("C\r", {{"white done>", seconds}});
        dialogs.answerMessage(ui::Answer::OK);
        dialogs.answerMessage(ui::Answer::Cancel);
        calibrate("XTH", context, state);
        EXPECT_EQ(lines, Texts{seconds < 10 ? "white done>" : "white done"});
    }
    for (const double seconds : {1.95, 2.05}) {
        SCOPED_TRACE(seconds);
        fresh();
        port.answer("R\r", {{"", seconds}, {"i1 ready>"}});
        port.answer("config -mode=sce\r", {{"<00>\r\n>"}});
        dialogs.answerMessage(ui::Answer::Cancel);
        dialogs.answerMessage(ui::Answer::Cancel);
        calibrate("Ci5/Ci7", context, state);
        EXPECT_EQ(lines.back(), seconds < 2 ? "i1 ready>" : "Ci5/Ci7 not connected");
        EXPECT_EQ(port.sent.size(), seconds < 2 ? 2u : 1u);
    }
}

// Each measurement with each reply split into two reads at every position:
// the curve, each command sent once in its order, the message line and the
// line settings.
TEST_F(DialogueTest, EveryReplySplitAtEveryPositionIsReadWhole) {
    for (const ValidDialogue& d : validDialogues) {
        Texts commands;
        for (const auto& [command, reply] : d.replies) commands.push_back(command);
        for (const auto& [command, reply] : d.replies) {
            for (std::size_t at = 1; at < reply.size(); ++at) {
                SCOPED_TRACE(d.inst + " " + ::testing::PrintToString(command) + " split at " + std::to_string(at));
                Script script;
                for (const auto& [other, whole] : d.replies)
                    script.push_back(other == command ? Say{other, whole.substr(0, at), whole.substr(at)}
                                                      : Say{other, whole});
                fresh(script);
                state = {};
                ASSERT_EQ(run(d.inst), MeasureEnd::NewReading);
                expectCurve(d.curve);
                ASSERT_EQ(port.sent, commands);
                ASSERT_EQ(lines, d.lines);
                EXPECT_TRUE(dialogs.messages().empty());
                const bool rtsCts = port.handshaking == ui::Handshaking::RtsCts;
                ASSERT_EQ(port.settings + (rtsCts ? " RTS/CTS" : "") + (port.rts ? " RTS" : ""), d.lineSetup);
                expectClosed();
            }
        }
    }
}

}  // namespace
}  // namespace tintara::instruments::testkit
