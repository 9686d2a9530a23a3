// The measurement dialogues against scripted instruments: the curve each one
// cuts out of its replies, and every way a measurement can fail.
#include <sys/stat.h>

#include "dialogue_fixture.h"
#include "instruments/serial_dialogue.h"

namespace tintara::instruments::testkit {
namespace {

// 50 everywhere but at 750 nm, where no reflectance can be.
double lowAtTheEnd(std::size_t i) { return i == 40 ? -6.0 : 50.0; }

const Say ce7000Ready{"R", ">"}, ce2180Ready{"v", "V\n"}, xthAwake{"R\r", "X>"}, ci5Awake{"R\r", "i>"},
    sceTaken{"config -mode=sce\r", "<00>\r\n>"}, spectroAwake{spectroHello, "OK\r\n"};

// A pipe or a device is not opened, and a file can be no larger than 64 KiB.
TEST_F(DialogueTest, ImportReadsRegularFilesOfBoundedSizeOnly) {
    const std::string forty = "tag\n" + fields(ramp, 40, 0, 1, ",");
    for (const auto& [size, end] : {std::pair{65536u, MeasureEnd::NewReading}, {65537u, MeasureEnd::EarlyExit}}) {
        fresh({});
        importFile(forty + std::string(size - forty.size(), '\n'));
        EXPECT_EQ(run("Import"), end) << size;
        EXPECT_EQ(dialogs.messages(),
                  end == MeasureEnd::NewReading ? Texts{} : Texts{importPath.string() + " is larger than 65536 bytes"});
    }
    std::filesystem::remove(importPath);
    ASSERT_EQ(::mkfifo(importPath.c_str(), 0600), 0);
    fresh({});
    dialogs.answerFile(importPath.string());
    EXPECT_EQ(run("Import"), MeasureEnd::EarlyExit);
    EXPECT_EQ(dialogs.messages(), Texts{importPath.string() + " is not a regular file"});
    std::filesystem::remove(importPath);
    std::filesystem::create_directory(importPath);
    fresh({});
    dialogs.answerFile(importPath.string());
    EXPECT_EQ(run("Import"), MeasureEnd::EarlyExit);
    EXPECT_EQ(dialogs.messages(), Texts{"File not found"});
    std::filesystem::remove(importPath);
    expectCurve(unset);
}

TEST_F(DialogueTest, ImportReadsTheTagAndFortyValues) {
    std::string text = "ramp tile\r\n";
    for (std::size_t i = 1; i <= 40; ++i) text += field(ramp(i), 0, 1) + (i % 7 == 0 ? "\r\n" : ",");
    importFile(text);
    ASSERT_EQ(run("Import"), MeasureEnd::NewReading);
    expectCurve(ramp);
    EXPECT_EQ(caption, importPath.string() + " ramp tile");
    EXPECT_EQ(dialogs.shown.at(0).defaultText, "*.txt|*.txt");
    // Blank lines after the 40th value are no 41st.
    importFile("flat\n" + fields(ramp, 40, 0, 2, "\n") + "\r\n  \r\n");
    ASSERT_EQ(run("Import"), MeasureEnd::NewReading);
    expectCurve(ramp);
}

// "4?.00" in place of a value: the field must be wholly a number.
std::string garbledAt(std::string reply, std::size_t at, const std::string& text) {
    return reply.replace(at, text.size(), text);
}

// Each failure shows its message where it belongs, ends the dialogue the way
// it should and leaves the curve as it was; the port is closed on every way out.
// Replies that come too late, or never, are the pace tests' time-outs.
TEST_F(DialogueTest, EveryMeasurementFailure) {
    const std::string formatError = "file import format error\r\nFORMAT\r\nTAG\r\n%R360, ...,%R750";
    const std::string fifties = fields(lowAtTheEnd, 39, 0, 0, ","), noPort = "Serial port 2 is not available";
    auto rejected = [](const char* what) { return std::string(what) + " - reading rejected"; };
    auto ci5Measures = [](const std::string& reply) { return Script{ci5Awake, sceTaken, {"measure\r", reply}}; };
    auto spectroSends = [](const std::string& data) { return Script{spectroAwake, {spectroData, data}}; };
    auto xthSends = [](const std::string& data) { return Script{xthAwake, {"M 8\r", data}}; };
    auto ce2180Sends = [](const std::string& block) { return Script{ce2180Ready, {"M", ce2180Head, block}}; };
    // The XTH reply with every column one place to the left and a byte added
    // at the end to keep its length: every field still reads as a number.
    const std::string xthShifted = xthReply().erase(17, 1) + " ";
    // One slot too many after the head: the points stay in their columns.
    const std::string xthSlotMore = xthReply().insert(18, field(50, 6, 2) + "99");
    using enum Where;
    using enum MeasureEnd;
    const Failure rows[] = {
        {"Import", {}, "File not found", Box},
        {"Import", {}, formatError, Box, EarlyExit, "short\n" + fifties},
        {"Import", {}, formatError, Box, EarlyExit, "words\nfifty," + fifties},
        {"Import", {}, formatError, Box, EarlyExit, "garbled\n4?.00," + fifties},
        // A line given twice: 41 values.
        {"Import", {}, formatError, Box, EarlyExit, "twice\n" + fifties + "50\n50\n"},
        {"Import",
         {},
         rejected("Reflectance out of range in the import file"),
         Box,
         EarlyExit,
         "bright\n" + fifties + "250"},
        {"Ci5/Ci7", {{"R\r", "?>"}}, "Ci5/Ci7 did not wake up", Line},
        {"Ci5/Ci7", ci5Measures(ci5Reply(ramp, 39)), rejected("Ci5/Ci7 reply incomplete"), Line},
        // A point among the first three characters.
        {"Ci5/Ci7", ci5Measures(".5," + ci5Reply()), rejected("Ci5/Ci7 reply incomplete"), Line},
        {"Ci5/Ci7", ci5Measures(garbledAt(ci5Reply(), 5, " 4?.000")), rejected("Ci5/Ci7 reply garbled"), Line},
        {"Ci5/Ci7", ci5Measures(ci5Reply(lowAtTheEnd)), rejected("Ci5/Ci7 reading out of range"), Line},
        {"XTH", {}, "XTH did not wake up", Box},
        {"XTH", xthSends(xthReply(ramp, "20")), "Instrument Uncalibrated", Box, PreviousCurve},
        {"XTH", xthSends("11>"), rejected("XTH reply garbled"), Box},
        {"XTH", xthSends(garbledAt(xthReply(), 50, " 4?.00")), rejected("XTH reply garbled"), Box},
        {"XTH", xthSends(xthReply().insert(2, "     ")), rejected("XTH reply garbled"), Box},
        {"XTH", xthSends(xthShifted), rejected("XTH reply garbled"), Box},
        {"XTH", xthSends(xthSlotMore), rejected("XTH reply garbled"), Box},
        {"XTH", xthSends(xthReply(lowAtTheEnd)), rejected("XTH reading out of range"), Box},
        {"XTH", {{"", noPort}}, noPort, Box},
        {"CE2180", {ce2180Ready, {"M", "20 NOT CALIBRATED\n"}}, "Calibrate Instrument", Box, PreviousCurve},
        {"CE2180", ce2180Sends(garbledAt(ce2180Block(), 14, " 4?.00")), rejected("CE-2180 reply garbled"), Box},
        {"CE2180", ce2180Sends(ce2180Block(lowAtTheEnd)), rejected("CE-2180 reading out of range"), Box},
        {"CE7000", Script{ce7000Ready, {"M\r", garbledAt(ce7000Reply(), 20, "  4?.00")}},
         rejected("CE-7000 reply garbled"), Box},
        {"SpectroEye", spectroSends(": 185 9 0 0.5"), "SpectroEye data not returned - message=: 185 9 0 0.5", Box},
        // Only the reply's first line is quoted, and no more than 80 characters of it.
        {"SpectroEye", spectroSends("\nERR 12\rmore"), "SpectroEye data not returned - message=ERR 12", Box},
        {"SpectroEye", spectroSends(std::string(5000, 'A')),
         "SpectroEye data not returned - message=" + std::string(80, 'A') + "...", Box},
        {"Spectrolino", spectroSends(": 185 9 0 0.5\r\n"), rejected("SpectroEye reply incomplete"), Box},
        {"Spectrolino", spectroSends(garbledAt(spectroReply(rampFraction), 10, "0.4?00")),
         rejected("SpectroEye reply garbled"), Box},
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

// The reply buffer holds 4096 bytes: a reply that fills it is read, one that
// would need one byte more never ends.
TEST_F(DialogueTest, ReplyBufferHoldsFourKilobytes) {
    const std::string reply = ci5Reply();
    for (const auto& [length, end] : {std::pair{4096u, MeasureEnd::NewReading}, {4097u, MeasureEnd::EarlyExit}}) {
        SCOPED_TRACE(length);
        const std::string padded =
            reply.substr(0, reply.size() - 3) + std::string(length - reply.size(), ' ') + "\r\n>";
        fresh({ci5Awake, sceTaken, {"measure\r", padded}});
        state = {};
        EXPECT_EQ(run("Ci5/Ci7"), end);
        expectCurve(end == MeasureEnd::NewReading ? ramp : unset);
        EXPECT_EQ(lines, end == MeasureEnd::NewReading ? Texts{} : Texts{"Ci5/Ci7 not connected"});
    }
}

// The Ci5/Ci7 data start with the status "<00>": a read that ends just after
// it does not end the reply, and bytes that follow a reply in the same read
// do not end the next wait.
TEST_F(DialogueTest, Ci5ReplyReadInPiecesIsReadWhole) {
    const std::string reply = ci5Reply();
    fresh({{"R\r", "i1 ready>\r\n>"}, {"config -mode=sce\r", "<00>", "\r\n>"}, {"measure\r", "<00>", reply.substr(4)}});
    for (int run = 0; run < 2; ++run) {
        refl.fill(-1.0f);
        EXPECT_EQ(this->run("Ci5/Ci7"), MeasureEnd::NewReading);
        expectCurve(ramp);
    }
    EXPECT_EQ(lines, Texts{});
    EXPECT_EQ(port.sent, (Texts{"R\r", "config -mode=sce\r", "measure\r", "R\r", "measure\r"}));
    // A greeting not starting with i or I is none; an upper-case I is as good.
    fresh({{"R\r", "X1 busy>", "", 1}, {"R\r", "I1 ready>"}, {"measure\r", reply}});
    EXPECT_EQ(run("Ci5/Ci7"), MeasureEnd::NewReading);
    EXPECT_EQ(port.sent, (Texts{"R\r", "R\r", "measure\r"}));
}

TEST_F(DialogueTest, ReplyWaitAcrossMidnight) {
    // 23:59:59.5; the answer comes 1.2 s later, at 0.7 s past midnight.
    clock.set(86399.5);
    clock.advanceOnRead(0.1);
    fresh({{"R\r", "ok>", "", -1, 1.2}});
    SerialDialogue dialogue(context, describe(Instrument::Xth));
    const float start = dialogue.now();
    dialogue.send("R\r");
    std::string reply;
    float elapsed = -1;
    EXPECT_EQ(dialogue.awaitReply(reply, Terminator::Prompt, 2, start, {.elapsed = &elapsed}), Wait::Arrived);
    EXPECT_EQ(reply, "ok>");
    EXPECT_NEAR(elapsed, 1.2, 0.15);
}

// Calibrate pressed while a measurement's wait lets events run (a second
// Measure is refused in the main window's tests); once it is over, the next runs.
TEST_F(DialogueTest, CalibrationIsRefusedWhileAMeasurementRuns) {
    const std::string reply = ce7000Reply();
    fresh({{"R", ">"}, {"M\r", reply.substr(0, 19), reply.substr(19)}});
    events.queue([&] { calibrate("CE7000", context, state); });
    ASSERT_EQ(run("CE7000"), MeasureEnd::NewReading);
    EXPECT_EQ(lines, Texts{std::string(alreadyRunningMessage)});
    EXPECT_EQ(port.sent, (Texts{"R", "M\r"}));
    EXPECT_EQ(run("CE7000"), MeasureEnd::NewReading);
    expectClosed();
}

// A name that is not on the list shows the previous curve again.
TEST_F(DialogueTest, UnknownNameKeepsTheCurve) {
    EXPECT_EQ(run("Inst"), MeasureEnd::PreviousCurve);
    expectCurve(unset);
    EXPECT_EQ(port.opens, 0);
}

}  // namespace
}  // namespace tintara::instruments::testkit
