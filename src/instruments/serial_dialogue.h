// One serial dialogue with an instrument: the port opened with the
// instrument's line settings and closed however the dialogue ends, and the
// instrument's replies read whole, however the port splits them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "instruments/instrument.h"
#include "instruments/serial_wait.h"

namespace tintara::instruments {

class SerialDialogue {
public:
    // Sets the port number, the instrument's line settings and RTS, and opens
    // the port; a port that will not open is reported in a message box.
    SerialDialogue(DialogueContext& context, const InstrumentDescription& instrument);
    ~SerialDialogue();
    SerialDialogue(const SerialDialogue&) = delete;
    SerialDialogue& operator=(const SerialDialogue&) = delete;

    bool isOpen() const { return open_; }
    const InstrumentDescription& instrument() const { return instrument_; }
    DialogueContext& context() { return context_; }
    float now() { return clockNow(context_.clock); }
    void letEventsRun() { context_.events.doEvents(); }

    // Sends a command. Input left over from earlier replies is dropped first,
    // so that it cannot be taken for the answer to this one.
    void send(std::string_view command);

    // Waits until a whole reply ending in `terminator` has come or more than
    // `limit` seconds have passed since `start`; the body runs at least once,
    // and the wait has timed out when the limit has passed at its end, even if
    // the terminator came in the last poll. `reply` is the reply up to its
    // terminator (what follows stays for the next read), or on time-out
    // everything that came.
    Wait awaitReply(std::string& reply, Terminator terminator, float limit, float start,
                    const WaitOptions& options = {});

    // Waits until `count` bytes have come or `limit` seconds have passed since
    // `start`; they stay for the next read.
    Wait awaitBytes(std::size_t count, float limit, float start, bool letEvents);
    // Waits, letting events run, up to byteWaitLimit for `count` bytes and
    // takes exactly those.
    Wait takeBytes(std::string& reply, std::size_t count);
    // Appends what comes to `reply`, letting events run, until it is longer
    // than `length`, for up to byteWaitLimit.
    Wait awaitLongerThan(std::string& reply, std::size_t length);

    // Tells the person, where the instrument reports.
    void report(const std::string& message);

private:
    // Adds what the port holds to the input, up to replyBufferLimit.
    void poll();
    std::string take(std::size_t count);

    DialogueContext& context_;
    const InstrumentDescription& instrument_;
    std::string input_;  // read from the port, not yet taken as a reply
    bool open_ = false;
};

}  // namespace tintara::instruments
