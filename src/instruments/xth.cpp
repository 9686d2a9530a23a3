// Measurement with the X-Rite XTH.
#include "instruments/dialogue_steps.h"
#include "instruments/serial_dialogue.h"

namespace tintara::instruments {

namespace {

// The whole measurement reply comes within this many seconds of the command.
constexpr float measurementLimit = 5;

// The measurement reply: "11" and the rest of an 18-character head, 40 slots
// of eight characters, each a six-character value with two decimals
// ("nnn.nn") and two more characters, then CR LF and the prompt.
constexpr std::size_t headLength = 18, slotLength = 8, fieldWidth = 6, pointInField = 3;
constexpr std::size_t replyLength = headLength + 40 * slotLength + 3;

// A lost or extra byte shifts every column, and the shifted text may still
// read as numbers: the reply must have its length and each value its point
// where the layout puts them.
bool laidOut(std::string_view reply) {
    if (reply.size() != replyLength) return false;
    for (std::size_t i = 0; i < 40; ++i)
        if (reply[headLength + slotLength * i + pointInField] != '.') return false;
    return true;
}

// Six-character values 8 apart, the first at position 19.
ReadingFault parseXth(std::string_view reply, Reflectance& reading) {
    if (!laidOut(reply)) return ReadingFault::Garbled;
    for (std::size_t i = 1; i <= 40; ++i) {
        const auto position = static_cast<long>(slotLength * i + headLength - slotLength + 1);
        const ReadingFault fault = storeReading(numberField(reply, position, fieldWidth), reading[i]);
        if (fault != ReadingFault::None) return fault;
    }
    return ReadingFault::None;
}

}  // namespace

// Wakes the XTH: "R" until it greets with "X...>". A silent instrument is
// reported as sleeping and asked again, up to wakeUpLimit in all.
bool wakeXth(SerialDialogue& dialogue, const std::string& sleeping) {
    std::string reply;
    const float wakeStart = dialogue.now();
    for (;;) {
        const float start = dialogue.now();
        dialogue.send("R\r");
        if (dialogue.awaitReply(reply, Terminator::Prompt, 2, start) == Wait::TimedOut)
            showLine(dialogue.context(), sleeping);
        dialogue.letEventsRun();
        if (reply.starts_with('X') && reply.ends_with('>')) return true;
        if (elapsedSince(dialogue.context().clock, wakeStart) > wakeUpLimit) {
            showBox(dialogue.context(), "XTH did not wake up");
            return false;
        }
    }
}

MeasureEnd measureXth(DialogueContext& context, const InstrumentDescription& instrument, MeasureState&,
                      Reflectance& refl) {
    SerialDialogue dialogue(context, instrument);
    if (!dialogue.isOpen() || !wakeXth(dialogue, "XTH Sleeping")) return MeasureEnd::EarlyExit;

    const float start = dialogue.now();
    dialogue.send("M 8\r");
    std::string reply;
    // The first byte is awaited without letting events run.
    if (dialogue.awaitBytes(1, measurementLimit, start, false) == Wait::TimedOut ||
        dialogue.awaitReply(reply, Terminator::Prompt, measurementLimit, start) == Wait::TimedOut) {
        showBox(context, "error in Measurement");
        return MeasureEnd::PreviousCurve;
    }
    if (!reply.starts_with("11")) {
        showBox(context, "Instrument Uncalibrated");
        return MeasureEnd::PreviousCurve;
    }
    return finishReading(dialogue, reply, parseXth, refl);
}

}  // namespace tintara::instruments
