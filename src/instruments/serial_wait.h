// Waiting for an instrument's reply: the time-of-day clock, where a reply
// ends, and the limits every serial dialogue shares.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace tintara::instruments {

// How a wait for an instrument ended.
enum class Wait {
    Arrived,  // everything waited for came within the limit
    TimedOut  // the limit passed first
};

enum class Terminator {
    Prompt,  // ">", unless it closes a "<" opened on the same line, as in "<00>"
    CrLf,    // CR LF
    Lf       // LF
};

// The length of the first whole reply at the start of `input`, up to and
// including its terminator; 0 while the terminator has not come.
std::size_t replyEnd(std::string_view input, Terminator terminator);

// No instrument's reply comes near this; input beyond it is dropped, so that a
// port that floods cannot make the program grow without end.
inline constexpr std::size_t replyBufferLimit = 4096;

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

// Reply text for a message: its first line that holds anything, cut to
// quotedReplyLength characters, so that no reply can fill a message.
inline constexpr std::size_t quotedReplyLength = 80;
std::string quotedReply(std::string_view reply);

struct WaitOptions {
    bool letEvents = false;                            // let the interface run on every poll
    std::function<void(const std::string&)> onPoll{};  // sees the reply so far after every poll
    float* elapsed = nullptr;                          // receives the seconds the wait took
};

}  // namespace tintara::instruments
