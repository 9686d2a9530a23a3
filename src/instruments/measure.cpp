#include "instruments/dialogue_steps.h"

namespace tintara::instruments {

MeasureEnd measure(const std::string& instName, DialogueContext& context, MeasureState& state, Reflectance& refl) {
    if (state.running) {
        showLine(context, std::string(alreadyRunningMessage));
        return MeasureEnd::EarlyExit;
    }
    RunningMark mark(state);
    if (instName == "Import") return measureImport(context, refl);
    if (instName == "Ci5/Ci7") return measureCi5Ci7(context, state, refl);
    if (instName == "XTH") return measureXth(context, refl);
    if (instName == "CE2180") return measureCe2180(context, refl);
    if (instName == "CE7000" || instName == "CE7000A") return measureCe7000(context, instName, refl);
    if (instName == "Spectrolino" || instName == "SpectroEye") return measureSpectroEye(context, instName, refl);
    // A name no dialogue knows shows the curve that is already there.
    return MeasureEnd::Tail;
}

}  // namespace tintara::instruments
