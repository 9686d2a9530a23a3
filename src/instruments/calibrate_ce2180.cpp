// Calibration of the Macbeth Color-Eye 2180: white standard, then open port.
#include "instruments/color_eye.h"
#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

void calibrateCe2180(DialogueContext& context, const InstrumentDescription& instrument) {
    SerialDialogue dialogue(context, instrument);
    if (!dialogue.isOpen() || !greetColorEye(dialogue) || !calibrationCommand(dialogue, "K")) return;

    using platform::Answer, platform::MessageButtons;
    const Answer white = context.dialogs.messageBox("White Standard", MessageButtons::YesNoCancel);
    if (white == Answer::Cancel) return;
    if (white == Answer::Yes && !calibrationCommand(dialogue, "C")) return;
    if (context.dialogs.messageBox("Open Port", MessageButtons::YesNoCancel) == Answer::Yes)
        calibrationCommand(dialogue, "B");
}

}  // namespace tintara::instruments
