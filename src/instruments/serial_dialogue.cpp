#include "instruments/serial_dialogue.h"

#include <algorithm>

#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

SerialDialogue::SerialDialogue(DialogueContext& context, const InstrumentDescription& instrument)
    : context_(context), instrument_(instrument) {
    if (!instrument.serial) {
        showBox(context, "No serial settings for " + std::string(instrument.listName));
        return;
    }
    platform::SerialPort& port = context.port;
    port.setPortNumber(context.commPort);
    port.setSettings(std::string(instrument.serial->settings));
    port.setHandshaking(instrument.serial->handshaking);
    port.setRts(instrument.serial->rts);
    std::string error;
    open_ = port.open(error);
    if (!open_) showBox(context, error.empty() ? "Cannot open serial port " + std::to_string(context.commPort) : error);
}

SerialDialogue::~SerialDialogue() {
    if (open_) context_.port.close();
}

void SerialDialogue::send(std::string_view command) {
    context_.port.readAll();
    input_.clear();
    context_.port.send(command);
}

void SerialDialogue::poll() {
    const std::string bytes = context_.port.readAll();
    input_.append(bytes, 0, std::min(bytes.size(), replyBufferLimit - input_.size()));
}

std::string SerialDialogue::take(std::size_t count) {
    std::string taken = input_.substr(0, count);
    input_.erase(0, count);
    return taken;
}

Wait SerialDialogue::awaitReply(std::string& reply, Terminator terminator, float limit, float start,
                                const WaitOptions& options) {
    std::size_t end = 0;
    float elapsed = 0;
    do {
        poll();
        end = replyEnd(input_, terminator);
        if (options.onPoll) options.onPoll(end == 0 ? input_ : input_.substr(0, end));
        elapsed = elapsedSince(context_.clock, start);
        if (options.letEvents) context_.events.doEvents();
    } while (end == 0 && !(elapsed > limit));
    if (options.elapsed) *options.elapsed = elapsed;
    reply = take(end == 0 ? input_.size() : end);
    return elapsed > limit ? Wait::TimedOut : Wait::Arrived;
}

Wait SerialDialogue::awaitBytes(std::size_t count, float limit, float start, bool letEvents) {
    for (;;) {
        poll();
        if (input_.size() >= count) return Wait::Arrived;
        if (elapsedSince(context_.clock, start) > limit) return Wait::TimedOut;
        if (letEvents) context_.events.doEvents();
    }
}

Wait SerialDialogue::takeBytes(std::string& reply, std::size_t count) {
    if (awaitBytes(count, byteWaitLimit, now(), true) == Wait::TimedOut) return Wait::TimedOut;
    reply = take(count);
    return Wait::Arrived;
}

Wait SerialDialogue::awaitLongerThan(std::string& reply, std::size_t length) {
    const float start = now();
    while (reply.size() <= length) {
        poll();
        reply += take(input_.size());
        context_.events.doEvents();
        if (reply.size() <= length && elapsedSince(context_.clock, start) > byteWaitLimit) return Wait::TimedOut;
    }
    return Wait::Arrived;
}

void SerialDialogue::report(const std::string& message) { instruments::report(context_, instrument_, message); }

}  // namespace tintara::instruments
