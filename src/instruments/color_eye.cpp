#include "instruments/color_eye.h"

#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

const ColorEyeDialect& colorEyeDialect(const InstrumentDescription& instrument) {
    return instrument.instrument == Instrument::Ce2180 ? ce2180Dialect : ce7000Dialect;
}

bool greetColorEye(SerialDialogue& dialogue) {
    const ColorEyeDialect& dialect = colorEyeDialect(dialogue.instrument());
    std::string reply;
    const float start = dialogue.now();
    dialogue.send(dialect.greeting);
    if (dialogue.awaitReply(reply, dialect.greetingEnd, 5, start, {.letEvents = true}) == Wait::Arrived) return true;
    showBox(dialogue.context(), std::string(dialogue.instrument().messageName) + " not connected");
    return false;
}

bool exchangeStatus(SerialDialogue& dialogue, std::string_view command, std::string_view during, std::string& status) {
    const ColorEyeDialect& dialect = colorEyeDialect(dialogue.instrument());
    dialogue.send(std::string(command) + std::string(dialect.commandEnd));
    if (dialogue.takeBytes(status, dialect.statusBytes) == Wait::Arrived) return true;
    showBox(dialogue.context(), stoppedAnswering(dialogue.instrument().messageName, during));
    return false;
}

bool calibrationCommand(SerialDialogue& dialogue, std::string_view command) {
    std::string status;
    return exchangeStatus(dialogue, command, "calibration", status);
}

MeasureEnd measureColorEye(DialogueContext& context, const InstrumentDescription& instrument, MeasureState&,
                           Reflectance& refl) {
    SerialDialogue dialogue(context, instrument);
    if (!dialogue.isOpen() || !greetColorEye(dialogue)) return MeasureEnd::EarlyExit;
    const ColorEyeDialect& dialect = colorEyeDialect(instrument);
    std::string reply;
    if (!exchangeStatus(dialogue, "M", "measurement", reply)) return MeasureEnd::EarlyExit;
    if (!reply.starts_with("11")) {
        showBox(context, "Calibrate Instrument");
        return MeasureEnd::PreviousCurve;
    }
    if (dialect.readData(dialogue, reply) == Wait::TimedOut) {
        showBox(context, stoppedAnswering(instrument.messageName, "measurement"));
        return MeasureEnd::EarlyExit;
    }
    return finishReading(dialogue, reply, dialect.parse, refl);
}

}  // namespace tintara::instruments
