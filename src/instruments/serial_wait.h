// Waiting for an instrument's reply: the time-of-day clock, the terminator
// tests and the byte-count waits shared by every serial dialogue.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "instruments/dialogue.h"

namespace tintara::instruments {

enum class Terminator {
    Prompt,  // the last character is ">"
    CrLf,    // the last two characters are CR LF
    Lf       // the last character is LF
};

bool isTerminated(std::string_view reply, Terminator terminator);

// Instruments that stop answering half-way are given up on after this long in
// a byte-count wait.
inline constexpr float byteWaitLimit = 10.0f;
// A wake-up call answered, but never with the expected greeting, is given up
// on after this long.
inline constexpr float wakeUpLimit = 30.0f;

// The time-of-day clock in single precision, as the waits keep it.
float clockNow(platform::Clock& clock);
// Seconds since `start`; a negative difference means midnight has passed.
float elapsedSince(platform::Clock& clock, float start);

struct WaitOptions {
    bool letEvents = false;                            // let the interface run on every poll
    std::function<void(const std::string&)> onPoll{};  // sees the reply so far after every poll
    float* elapsed = nullptr;                          // receives the seconds the wait took
};

// Appends the waiting input to `reply` until the terminator arrives or more
// than `limit` seconds have passed since `start`; the body runs at least once.
// True when the wait timed out, even if the terminator came in the last poll.
bool replyWait(DialogueContext& context, std::string& reply, Terminator terminator, float limit, float start,
               const WaitOptions& options = {});

// Polls the input count until at least `count` bytes are waiting; false when
// byteWaitLimit passed first.
bool waitForBytes(DialogueContext& context, int count, bool letEvents = true);

}  // namespace tintara::instruments
