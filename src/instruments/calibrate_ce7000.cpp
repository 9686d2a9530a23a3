// Calibration of the Macbeth Color-Eye 7000 or 7000A: open port, then white
// standard.
#include "instruments/color_eye.h"
#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

void calibrateCe7000(DialogueContext& context, const InstrumentDescription& instrument) {
    SerialDialogue dialogue(context, instrument);
    if (!dialogue.isOpen() || !greetColorEye(dialogue)) return;

    using platform::Answer, platform::MessageButtons;
    if (context.dialogs.messageBox("Open Port", MessageButtons::YesNoCancel) != Answer::Yes) return;
    if (!calibrationCommand(dialogue, "I")) return;
    if (context.dialogs.messageBox("White Standard", MessageButtons::YesNoCancel) == Answer::Yes)
        calibrationCommand(dialogue, "C");
}

}  // namespace tintara::instruments
