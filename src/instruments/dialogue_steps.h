// The pieces the instrument dialogues share, and the dialogues themselves as
// the instrument table names them.
#pragma once

#include <string>
#include <string_view>

#include "instruments/instrument.h"
#include "instruments/reply_fields.h"

namespace tintara::instruments {

class SerialDialogue;

// A message box with an OK button and no title.
void showBox(DialogueContext& context, const std::string& prompt);
// The main window's message line.
void showLine(DialogueContext& context, const std::string& text);
// Either of them, where the instrument reports.
void report(DialogueContext& context, const InstrumentDescription& instrument, const std::string& message);

// Marks a dialogue as running for as long as it lives.
class RunningMark {
public:
    explicit RunningMark(MeasureState& state) : state_(state) { state_.running = true; }
    ~RunningMark() { state_.running = false; }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    MeasureState& state_;
};

// The words a message uses when an instrument stops answering part-way.
std::string stoppedAnswering(std::string_view instrument, std::string_view during);

// The end every measurement shares: the reading is cut out of the whole reply
// and taken only when every field is sound; otherwise the rejection is
// reported and refl is left as it was.
MeasureEnd finishReading(SerialDialogue& dialogue, std::string_view reply, ReplyParser parse, Reflectance& refl);

// Calls the XTH until it greets; `sleeping` goes to the message line after
// every silent call. False (after a message) when it never greets.
bool wakeXth(SerialDialogue& dialogue, const std::string& sleeping);

// One reference of an X-Rite calibration: the person confirms with OK, the
// command goes out, and the first line of whatever comes back within 10 s is
// shown on the message line.
void xriteCalibrationStep(SerialDialogue& dialogue, const char* prompt, const char* title, const char* command);

MeasureEnd measureImport(DialogueContext&, const InstrumentDescription&, MeasureState&, Reflectance& refl);
MeasureEnd measureCi5Ci7(DialogueContext&, const InstrumentDescription&, MeasureState& state, Reflectance& refl);
MeasureEnd measureXth(DialogueContext&, const InstrumentDescription&, MeasureState&, Reflectance& refl);
MeasureEnd measureColorEye(DialogueContext&, const InstrumentDescription&, MeasureState&, Reflectance& refl);
MeasureEnd measureSpectroEye(DialogueContext&, const InstrumentDescription&, MeasureState&, Reflectance& refl);

void calibrateCi5Ci7(DialogueContext& context, const InstrumentDescription& instrument);
void calibrateXth(DialogueContext& context, const InstrumentDescription& instrument);
void calibrateCe2180(DialogueContext& context, const InstrumentDescription& instrument);
void calibrateCe7000(DialogueContext& context, const InstrumentDescription& instrument);
void calibrateOnTheInstrument(DialogueContext& context, const InstrumentDescription& instrument);

}  // namespace tintara::instruments
