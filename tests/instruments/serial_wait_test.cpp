// The shared pieces of the dialogues: the reply wait and its clock, the
// byte-count wait, the cutting of numbers out of replies, the scripted port.
#include "dialogue_fixture.h"
#include "instruments/reply_fields.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments::testing {
namespace {

using SerialWait = DialogueTest;

TEST_F(SerialWait, ReplyWaitAcrossMidnightAndAtItsLimit) {
    // 23:59:59.5; the answer comes 1.2 s later, at 0.7 s past midnight.
    clock.set(86399.5);
    clock.advanceOnRead(0.1);
    port.on("R\r", "ok>").afterSeconds(1.2);
    std::string error;
    ASSERT_TRUE(port.open(error));
    port.send("R\r");
    std::string reply;
    float elapsed = -1;
    EXPECT_FALSE(replyWait(context, reply, Terminator::Prompt, 2, clockNow(clock), {.elapsed = &elapsed}));
    EXPECT_EQ(reply, "ok>");
    EXPECT_NEAR(elapsed, 1.2, 0.15);
    EXPECT_LT(clock.secondsSinceMidnight(), 2.0);

    // Steps of 0.25 s: the fifth poll is the first past a 1 s limit. An answer
    // in that very poll still counts as late; one a poll earlier does not.
    clock.set(100);
    clock.advanceOnRead(0.25);
    port.on("late\r", "ok>").afterPolls(4);
    port.on("early\r", "ok>").afterPolls(3);
    reply.clear();
    port.send("late\r");
    EXPECT_TRUE(replyWait(context, reply, Terminator::Prompt, 1, clockNow(clock)));
    EXPECT_EQ(reply, "ok>");
    reply.clear();
    port.send("early\r");
    EXPECT_FALSE(replyWait(context, reply, Terminator::Prompt, 1, clockNow(clock)));

    // The body runs once even when the reply already ends as it should.
    reply = "old\r\n";
    port.deliver("new\r\n");
    EXPECT_FALSE(replyWait(context, reply, Terminator::CrLf, 5, clockNow(clock)));
    EXPECT_EQ(reply, "old\r\nnew\r\n");
    EXPECT_TRUE(isTerminated(reply, Terminator::Lf));
    EXPECT_FALSE(isTerminated("a\n\r", Terminator::Lf));
    EXPECT_EQ(events.count(), 0);  // none of these waits let events run
}

TEST_F(SerialWait, ByteCountWaitSeesTheInputGrow) {
    std::string error;
    ASSERT_TRUE(port.open(error));
    port.on("M", std::string(30, 'x')).inChunks(4);
    port.send("M");
    EXPECT_TRUE(waitForBytes(context, 19));
    EXPECT_EQ(events.count(), 4);  // between the five polls
    EXPECT_EQ(port.bytesWaiting(), 24);  // every poll brings the next chunk
    EXPECT_EQ(port.readAll(), std::string(28, 'x'));

    const double before = clock.secondsSinceMidnight();
    EXPECT_FALSE(waitForBytes(context, 19));  // 2 more bytes, never 19
    EXPECT_GT(clock.secondsSinceMidnight() - before, byteWaitLimit);
}

TEST(ReplyFields, CutsLeadingNumbersAndRejectsGarbage) {
    EXPECT_DOUBLE_EQ(*numberField("ab  21.50cd", 3, 7), 21.5);
    EXPECT_DOUBLE_EQ(*numberField("100.0009", 1, 7), 100.0);  // the eighth character is not read
    EXPECT_DOUBLE_EQ(*numberField(" 12.5xy", 1, 7), 12.5);    // reading stops at the letter
    EXPECT_DOUBLE_EQ(*numberField("- 1 2.5", 1, 7), -12.5);   // blanks inside a figure are skipped
    EXPECT_FALSE(numberField("  21.50", 0, 7));               // starts before the reply
    EXPECT_FALSE(numberField("  21.50", 2, 7));               // runs past its end
    EXPECT_FALSE(numberField("  abc  ", 1, 7));
    EXPECT_FALSE(numberField("  -.   ", 1, 7));
    EXPECT_TRUE(startsWithNumber(" .5"));
    EXPECT_FALSE(startsWithNumber(""));

    float slot = 7;
    EXPECT_EQ(storeReading(200.0, slot), ReadingFault::None);
    EXPECT_EQ(storeReading(-5.0, slot), ReadingFault::None);
    EXPECT_EQ(slot, -5.0f);
    EXPECT_EQ(storeReading(200.01, slot), ReadingFault::OutOfRange);
    EXPECT_EQ(storeReading(-5.01, slot), ReadingFault::OutOfRange);
    EXPECT_EQ(storeReading(std::nullopt, slot), ReadingFault::Incomplete);
    EXPECT_EQ(slot, -5.0f);
    EXPECT_EQ(rejectionMessage("XTH", ReadingFault::OutOfRange), "XTH reading out of range - reading rejected");
}

TEST(SerialSettingsTable, EveryListEntry) {
    EXPECT_FALSE(serialSettings("Import"));
    EXPECT_FALSE(serialSettings("Inst"));
    for (const char* name : {"CE7000", "CE7000A", "CE2180"}) {
        EXPECT_EQ(serialSettings(name)->settings, "9600,N,8,1");
        EXPECT_EQ(serialSettings(name)->handshaking, ui::Handshaking::None);
    }
    for (const char* name : {"XTH", "Ci5/Ci7"}) {
        EXPECT_EQ(serialSettings(name)->settings, "38400,N,8,1");
        EXPECT_EQ(serialSettings(name)->handshaking, ui::Handshaking::RtsCts);
    }
    for (const char* name : {"Spectrolino", "SpectroEye"}) {
        EXPECT_EQ(serialSettings(name)->settings, "9600,n,8,1");
        EXPECT_TRUE(serialSettings(name)->rts);
    }
}

}  // namespace
}  // namespace tintara::instruments::testing
