// The measurement dialogues against scripted instruments: the curve each one
// cuts out of its replies, and every way a measurement can fail.
#include "dialogue_fixture.h"
#include "instruments/serial_wait.h"
#include "instruments/spectral.h"
#include "textio/formats.h"

namespace tintara::instruments::testkit {
namespace {

// The characters between fields are nines, so that a field cut out one place
// off reads as another number.
// CE7000: "11" in a 20-character head, seven-character values 10 apart from 21.
std::string ce7000Reply(Curve value = ramp, const std::string& status = "11") {
    return status + std::string(18, ' ') + fields(value, 40, 7, 2, "999") + "\r\n>";
}
// XTH: "11" in an 18-character head, six-character values 8 apart from 19.
std::string xthReply(Curve value = ramp, const std::string& status = "11") {
    return status + std::string(16, ' ') + fields(value, 40, 6, 2, "99") + "\r\n>";
}
// Ci5/Ci7: seven-character values with three decimals, found by their points.
std::string ci5Reply(Curve value = ramp, std::size_t count = 40) {
    return "<00> " + fields(value, count, 7, 3, "9") + "\r\n>";
}
// Spectrolino / SpectroEye: a ten-character head, 36 fractions 7 apart from 11.
std::string spectroReply(Curve fraction) { return ": 185 9 0 " + fields(fraction, 36, 6, 4, "9") + "\r\n"; }
// CE2180: the 290-byte block after the 18-byte head; one more character after
// every sixth six-character value.
const std::string ce2180Head = "11 MEASURE OK    \n";
std::string ce2180Block(Curve value = ramp) {
    std::string block;
    for (std::size_t i = 1; i <= 40; ++i) block += field(value(i), 6, 2) + (i % 6 == 0 ? "99" : "9");
    block.resize(288, ' ');
    return block + "\r\n";
}
// 50 everywhere but at 750 nm, where no reflectance can be.
double lowAtTheEnd(std::size_t i) { return i == 40 ? -6.0 : 50.0; }

const std::string wake(250, '\xFF');
const std::string spectroData = wake + "; 184 9 0\r\n";
const Say ce7000Ready{"R", ">"}, ce2180Ready{"v", "V\n"}, xthAwake{"R\r", "X>"}, ci5Awake{"R\r", "i>"},
    sceTaken{"config -mode=sce\r", ">"}, spectroAwake{wake + "; 32\r\n", "OK\r\n"};

TEST_F(DialogueTest, EveryInstrumentReadsItsFieldsInPlace) {
    struct Row {
        std::string inst;
        Script script;
        Texts sent, lines;
        Curve expected;
        std::string lineSetup;
    };
    const std::string ce7000 = ce7000Reply();
    const Row rows[] = {
        {"CE7000",
         {{"R", "CE7000 READY>"}, {"M\r", ce7000.substr(0, 19), ce7000.substr(19)}},
         {"R", "M\r"},
         {},
         ramp,
         "9600,N,8,1"},
        {"CE7000A",
         {{"R", ">"}, {"M\r", ce7000.substr(0, 25), ce7000.substr(25)}},
         {"R", "M\r"},
         {},
         ramp,
         "9600,N,8,1"},
        {"CE2180", {{"v", "CE2180 V3.1\r\n"}, {"M", ce2180Head, ce2180Block()}}, {"v", "M"}, {}, ramp, "9600,N,8,1"},
        {"XTH",
         {{"R\r", "", "", 1}, {"R\r", "XTH V2.1>"}, {"M 8\r", xthReply()}},
         {"R\r", "R\r", "M 8\r"},
         {"XTH Sleeping"},
         ramp,
         "38400,N,8,1 RTS/CTS"},
        {"Ci5/Ci7",
         {{"R\r", "i1 ready\r\n>"}, sceTaken, {"measure\r", ci5Reply()}},
         {"R\r", "config -mode=sce\r", "measure\r"},
         {},
         ramp,
         "38400,N,8,1 RTS/CTS"},
        // The mode is not sent again; a greeting not starting with i or I is
        // not one, and an upper-case I is as good.
        {"Ci5/Ci7",
         {{"R\r", "X1 busy>", "", 1}, {"R\r", "I1 ready>"}, {"measure\r", ci5Reply()}},
         {"R\r", "R\r", "measure\r"},
         {},
         ramp,
         "38400,N,8,1 RTS/CTS"},
        // 36 fields of 0.5 for 380..730 nm; the two wavelengths at each end keep their values.
        {"SpectroEye",
         {spectroAwake, {spectroData, spectroReply([](std::size_t) { return 0.5; })}},
         {wake + "; 32\r\n", spectroData},
         {"OK\r\n"},
         [](std::size_t i) { return i >= 3 && i <= 38 ? 50.0 : -1.0; },
         "9600,n,8,1 RTS"},
        {"Spectrolino",
         {spectroAwake, {spectroData, spectroReply([](std::size_t i) { return ramp(i + 2) / 100; })}},
         {wake + "; 32\r\n", spectroData},
         {"OK\r\n"},
         [](std::size_t i) { return i >= 3 && i <= 38 ? ramp(i) : -1.0; },
         "9600,n,8,1 RTS"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.inst);
        fresh(row.script);
        EXPECT_EQ(run(row.inst), MeasureEnd::Tail);
        expectCurve(row.expected);
        EXPECT_EQ(port.sent, row.sent);
        EXPECT_EQ(lines, row.lines);
        EXPECT_TRUE(dialogs.messages().empty());
        const bool rtsCts = port.handshaking == ui::Handshaking::RtsCts;
        EXPECT_EQ(port.settings + (rtsCts ? " RTS/CTS" : "") + (port.rts ? " RTS" : ""), row.lineSetup);
        expectClosed();
    }
}

TEST_F(DialogueTest, ImportReadsTheTagAndFortyValues) {
    dialogs.answerFile(importPath.string());  // not written yet
    EXPECT_EQ(run("Import"), MeasureEnd::EarlyExit);
    EXPECT_EQ(dialogs.messages(), Texts{"File not found"});
    std::string text = "ramp tile\r\n";
    for (std::size_t i = 1; i <= 40; ++i) text += field(ramp(i), 0, 1) + (i % 7 == 0 ? "\r\n" : ",");
    importFile(text);
    ASSERT_EQ(run("Import"), MeasureEnd::Tail);
    expectCurve(ramp);
    EXPECT_EQ(caption, importPath.string() + " ramp tile");
    EXPECT_EQ(dialogs.shown.at(0).defaultText, "*.txt|*.txt");

    importFile("white\n" + fields([](std::size_t) { return 100.0; }, 40, 0, 0, "\n"));
    ASSERT_EQ(run("Import"), MeasureEnd::Tail);
    const colorimetry::Xyz xyz = tristimulusOf(refl, illuminantCWeights());
    for (const auto& [value, shown] : {std::pair{xyz.X, "98.07"}, {xyz.Y, "100.00"}, {xyz.Z, "118.23"}})
        EXPECT_EQ(textio::format(value, "###.00"), shown);
}

// Each failure shows its message where it belongs, ends the dialogue the way
// it should and leaves the curve as it was; the port is closed on every way out.
TEST_F(DialogueTest, EveryMeasurementFailure) {
    const std::string formatError = "file import format error\r\nFORMAT\r\nTAG\r\n%R360, ...,%R750";
    const std::string fifties = fields(lowAtTheEnd, 39, 0, 0, ","), silentCi5 = "Ci5/Ci7 not connected";
    const std::string stopped = " stopped answering during the measurement", noPort = "Serial port 2 is not available";
    auto rejected = [](const char* what) { return std::string(what) + " - reading rejected"; };
    auto ci5Measures = [](const std::string& reply) { return Script{ci5Awake, sceTaken, {"measure\r", reply}}; };
    auto spectroSends = [](const std::string& data) { return Script{spectroAwake, {spectroData, data}}; };
    using enum Where;
    using enum MeasureEnd;
    const Failure rows[] = {
        {"Import", {}, "File not found", Box},
        {"Import", {}, formatError, Box, EarlyExit, "short\n" + fifties},
        {"Import", {}, formatError, Box, EarlyExit, "words\nfifty," + fifties},
        {"Import",
         {},
         rejected("Reflectance out of range in the import file"),
         Box,
         EarlyExit,
         "bright\n" + fifties + "250"},
        {"Ci5/Ci7", {}, silentCi5, Line},
        {"Ci5/Ci7", {ci5Awake}, silentCi5, Line},
        {"Ci5/Ci7", {ci5Awake, sceTaken}, silentCi5, Line},
        {"Ci5/Ci7", {{"R\r", "?>"}}, "Ci5/Ci7 did not wake up", Line},
        {"Ci5/Ci7", ci5Measures(ci5Reply(ramp, 39)), rejected("Ci5/Ci7 reply incomplete"), Line},
        // A point among the first three characters.
        {"Ci5/Ci7", ci5Measures(".5," + ci5Reply()), rejected("Ci5/Ci7 reply incomplete"), Line},
        {"Ci5/Ci7", ci5Measures(ci5Reply(lowAtTheEnd)), rejected("Ci5/Ci7 reading out of range"), Line},
        {"XTH", {}, "XTH did not wake up", Box},
        {"XTH", {xthAwake}, "XTH" + stopped, Box},
        {"XTH", {xthAwake, {"M 8\r", "11 half a reply"}}, "error in Measurement", Box, Tail},
        {"XTH", {xthAwake, {"M 8\r", xthReply(ramp, "20")}}, "Instrument Uncalibrated", Box, Tail},
        {"XTH", {xthAwake, {"M 8\r", "11>"}}, rejected("XTH reply incomplete"), Box},
        {"XTH", {xthAwake, {"M 8\r", xthReply(lowAtTheEnd)}}, rejected("XTH reading out of range"), Box},
        {"XTH", {{"", noPort}}, noPort, Box},
        {"CE2180", {}, "CE-2180 not connected", Box},
        {"CE2180", {ce2180Ready, {"M", "20 NOT CALIBRATED\n"}}, "Calibrate Instrument", Box, Tail},
        {"CE2180", {ce2180Ready, {"M", "11"}}, "CE-2180" + stopped, Box},
        {"CE2180", {ce2180Ready, {"M", ce2180Head, ce2180Block().substr(0, 200)}}, "CE-2180" + stopped, Box},
        {"CE2180",
         {ce2180Ready, {"M", ce2180Head, ce2180Block(lowAtTheEnd)}},
         rejected("CE-2180 reading out of range"),
         Box},
        {"CE7000", {}, "CE-7000 not connected", Box},
        {"CE7000A", {ce7000Ready, {"M\r", ce7000Reply(ramp, "20")}}, "Calibrate Instrument", Box, Tail},
        {"CE7000", {ce7000Ready, {"M\r", "11 head only"}}, "CE-7000" + stopped, Box},
        {"CE7000", {ce7000Ready, {"M\r", ce7000Reply().substr(0, 300)}}, "CE-7000" + stopped, Box},
        {"CE7000",
         {ce7000Ready, {"M\r", ce7000Reply().replace(20, 7, "  n/a  ")}},
         rejected("CE-7000 reply incomplete"),
         Box},
        {"SpectroEye", {}, "SpectroEye not responding - Settings serial 9600 handshake=No", Box},
        {"SpectroEye", spectroSends(": 185 9 0 0.5"), "SpectroEye data not returned - message=: 185 9 0 0.5", Box},
        {"Spectrolino", spectroSends(": 185 9 0 0.5\r\n"), rejected("SpectroEye reply incomplete"), Box},
        {"SpectroEye", spectroSends(spectroReply([](std::size_t i) { return i == 9 ? 2.5 : 0.5; })),
         rejected("SpectroEye reading out of range"), Box},
    };
    for (const Failure& row : rows) {
        SCOPED_TRACE(row.name + ": " + row.message);
        fresh(row.script);
        state = {};
        if (row.importText) importFile(*row.importText);
        EXPECT_EQ(run(row.name), row.end);
        EXPECT_EQ(whereShown(row.message), row.where);
        EXPECT_EQ(dialogs.messages(), row.where == Box ? Texts{row.message} : Texts{});
        expectCurve(unset);
        expectClosed();
    }
}

TEST_F(DialogueTest, ReplyWaitAcrossMidnight) {
    // 23:59:59.5; the answer comes 1.2 s later, at 0.7 s past midnight.
    clock.set(86399.5);
    clock.advanceOnRead(0.1);
    fresh({{"R\r", "ok>", "", -1, 1.2}});
    std::string error, reply;
    ASSERT_TRUE(port.open(error));
    port.send("R\r");
    float elapsed = -1;
    EXPECT_FALSE(replyWait(context, reply, Terminator::Prompt, 2, clockNow(clock), {.elapsed = &elapsed}));
    EXPECT_EQ(reply, "ok>");
    EXPECT_NEAR(elapsed, 1.2, 0.15);
}

// A second Measure or Calibrate pressed while a wait lets events run.
TEST_F(DialogueTest, SecondDialogueIsRefusedWhileOneRuns) {
    const std::string reply = ce7000Reply();
    fresh({{"R", ">"}, {"M\r", reply.substr(0, 19), reply.substr(19)}});
    MeasureEnd second = MeasureEnd::Tail;
    Reflectance other{};
    events.queue([&] { second = measure("CE7000", context, state, other); });
    events.queue([&] { calibrate("CE7000", context, state); });
    ASSERT_EQ(run("CE7000"), MeasureEnd::Tail);
    EXPECT_EQ(second, MeasureEnd::EarlyExit);
    EXPECT_EQ(lines, Texts(2, std::string(alreadyRunningMessage)));
    EXPECT_EQ(port.sent, (Texts{"R", "M\r"}));
    expectCurve(ramp);
    // Once it is over, the next one runs.
    EXPECT_EQ(run("CE7000"), MeasureEnd::Tail);
    expectClosed();
}

}  // namespace
}  // namespace tintara::instruments::testkit
