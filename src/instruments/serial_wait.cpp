#include "instruments/serial_wait.h"

namespace tintara::instruments {

bool isTerminated(std::string_view reply, Terminator terminator) {
    switch (terminator) {
    case Terminator::Prompt: return reply.ends_with('>');
    case Terminator::CrLf: return reply.ends_with("\r\n");
    case Terminator::Lf: return reply.ends_with('\n');
    }
    return false;
}

float clockNow(platform::Clock& clock) { return static_cast<float>(clock.secondsSinceMidnight()); }

float elapsedSince(platform::Clock& clock, float start) {
    float elapsed = static_cast<float>(static_cast<double>(clockNow(clock)) - start);
    if (elapsed < 0) elapsed = static_cast<float>(elapsed + 86400.0);
    return elapsed;
}

bool replyWait(DialogueContext& context, std::string& reply, Terminator terminator, float limit, float start,
               const WaitOptions& options) {
    float elapsed = 0;
    do {
        reply += context.port.readAll();
        if (options.onPoll) options.onPoll(reply);
        elapsed = elapsedSince(context.clock, start);
        if (options.letEvents) context.events.doEvents();
    } while (!isTerminated(reply, terminator) && !(elapsed > limit));
    if (options.elapsed) *options.elapsed = elapsed;
    return elapsed > limit;
}

bool waitForBytes(DialogueContext& context, int count, bool letEvents) {
    const float start = clockNow(context.clock);
    while (context.port.bytesWaiting() < count) {
        if (elapsedSince(context.clock, start) > byteWaitLimit) return false;
        if (letEvents) context.events.doEvents();
    }
    return true;
}

}  // namespace tintara::instruments
