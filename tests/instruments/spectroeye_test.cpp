// The Spectrolino / SpectroEye measurement against a scripted instrument.
#include "dialogue_fixture.h"

namespace tintara::instruments::testing {
namespace {

// A ten-character head, then 36 six-character fractions 7 apart from
// position 11.
std::string spectroReply(double fraction) {
    std::string reply = ": 185 9 0 ";
    for (int i = 1; i <= 36; ++i) reply += field(fraction, 6, 4) + " ";
    return reply + "\r\n";
}

using SpectroEye = DialogueTest;

TEST_F(SpectroEye, ReadsThirtySixFractionsAsPercent) {
    const std::string prefix(250, '\xFF');
    port.on(prefix + "; 32\r\n", "OK 32\r\n");
    port.on(prefix + "; 184 9 0\r\n", spectroReply(0.5)).inChunks(64);
    for (const char* name : {"SpectroEye", "Spectrolino"}) {
        refl.fill(-1);
        ASSERT_EQ(run(name), MeasureEnd::Tail) << name;
        for (std::size_t i = 3; i <= 38; ++i) EXPECT_EQ(refl[i], 50.0f) << i;  // 380..730 nm
        for (std::size_t i : {1, 2, 39, 40}) EXPECT_EQ(refl[i], -1.0f) << i;   // 360, 370, 740, 750 nm
        EXPECT_EQ(lines.back(), "OK 32\r\n");
        EXPECT_EQ(port.settings, "9600,n,8,1");
        EXPECT_EQ(port.handshaking, ui::Handshaking::None);
        EXPECT_TRUE(port.rts);
    }
    EXPECT_EQ(port.sent.size(), 4u);
    EXPECT_EQ(events.count(), 0);  // these waits poll without letting events run
    expectClosed();
}

TEST_F(SpectroEye, SilenceAndPartialData) {
    EXPECT_EQ(run("SpectroEye"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "SpectroEye not responding - Settings serial 9600 handshake=No");

    port.onContaining("; 32\r\n", "OK\r\n");
    port.onContaining("; 184 9 0\r\n", ": 185 9 0  0.5000").once();
    EXPECT_EQ(run("SpectroEye"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "SpectroEye data not returned - message=: 185 9 0  0.5000");

    port.onContaining("; 184 9 0\r\n", ": 185 9 0  0.5000\r\n").once();
    EXPECT_EQ(run("SpectroEye"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "SpectroEye reply incomplete - reading rejected");
    port.onContaining("; 184 9 0\r\n", spectroReply(2.5)).once();  // 250 percent
    EXPECT_EQ(run("SpectroEye"), MeasureEnd::EarlyExit);
    EXPECT_EQ(messages().back(), "SpectroEye reading out of range - reading rejected");
    EXPECT_TRUE(refreshed(-1));
    expectClosed();
}

}  // namespace
}  // namespace tintara::instruments::testing
