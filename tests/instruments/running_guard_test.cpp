// A second Measure or Calibrate pressed while a dialogue lets events run.
#include "dialogue_fixture.h"

namespace tintara::instruments::testing {
namespace {

using RunningGuard = DialogueTest;

TEST_F(RunningGuard, SecondDialogueIsRefusedAndTheFirstFinishes) {
    std::string reply = std::string(20, ' ');
    reply.replace(0, 2, "11");
    for (std::size_t i = 1; i <= 40; ++i) reply += field(ramp(i), 7, 2) + "   ";
    reply += "\r\n>";
    port.on("R", ">");
    port.on("M\r", reply.substr(0, 19)).followedBy(reply.substr(19), 5);

    MeasureEnd second = MeasureEnd::Tail;
    Reflectance other{};
    events.queue([&] { second = measure("CE7000", context, state, other); });
    events.queue([&] { calibrate("CE7000", context, state); });
    ASSERT_EQ(run("CE7000"), MeasureEnd::Tail);

    EXPECT_EQ(second, MeasureEnd::EarlyExit);
    EXPECT_EQ(lines, (std::vector<std::string>(2, std::string(alreadyRunningMessage))));
    for (std::size_t i = 1; i <= 40; ++i) EXPECT_FLOAT_EQ(refl[i], static_cast<float>(ramp(i))) << i;
    EXPECT_EQ(port.sent, (std::vector<std::string>{"R", "M\r"}));
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(state.running);
    expectClosed();

    // Once it is over, the next one runs.
    ASSERT_EQ(run("CE7000"), MeasureEnd::Tail);
}

}  // namespace
}  // namespace tintara::instruments::testing
