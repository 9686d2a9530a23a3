#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

MeasureEnd measure(const std::string& instName, DialogueContext& context, MeasureState& state, Reflectance& refl) {
    if (state.running) {
        showLine(context, std::string(alreadyRunningMessage));
        return MeasureEnd::EarlyExit;
    }
    RunningMark mark(state);
    const InstrumentDescription* instrument = findInstrument(instName);
    // A name no dialogue knows shows the curve that is already there.
    if (!instrument) return MeasureEnd::PreviousCurve;
    return instrument->measure(context, *instrument, state, refl);
}

}  // namespace tintara::instruments
