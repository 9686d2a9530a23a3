// The pieces the instrument dialogues share, and the dialogues themselves as
// measure() and calibrate() dispatch to them.
#pragma once

#include <string>
#include <string_view>

#include "instruments/dialogue.h"

namespace tintara::instruments {

// A message box with an OK button and no title.
void showBox(DialogueContext& context, const std::string& prompt);
// The main window's message line.
void showLine(DialogueContext& context, const std::string& text);

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

class InstrumentPort;

// Calls the XTH until it greets; `sleeping` goes to the message line after
// every silent call. False (after a message) when it never greets.
bool wakeXth(DialogueContext& context, InstrumentPort& port, const std::string& sleeping);

// The Color-Eye exchange: sends a command and takes everything waiting once
// `count` bytes have come; false, after a message naming the instrument, when
// they do not come in time.
bool exchangeBytes(DialogueContext& context, InstrumentPort& port, const char* command, int count,
                   std::string_view instrument, std::string_view during, std::string& reply);

// One reference of an X-Rite calibration: the person confirms with OK, the
// command goes out, and whatever comes back within 10 s is shown on the
// message line.
void xriteCalibrationStep(DialogueContext& context, InstrumentPort& port, const char* prompt, const char* title,
                          const char* command);

MeasureEnd measureImport(DialogueContext& context, Reflectance& refl);
MeasureEnd measureCi5Ci7(DialogueContext& context, MeasureState& state, Reflectance& refl);
MeasureEnd measureXth(DialogueContext& context, Reflectance& refl);
MeasureEnd measureCe2180(DialogueContext& context, Reflectance& refl);
MeasureEnd measureCe7000(DialogueContext& context, const std::string& instName, Reflectance& refl);
MeasureEnd measureSpectroEye(DialogueContext& context, const std::string& instName, Reflectance& refl);

void calibrateCi5Ci7(DialogueContext& context);
void calibrateXth(DialogueContext& context);
void calibrateCe2180(DialogueContext& context);
void calibrateCe7000(DialogueContext& context, const std::string& instName);

}  // namespace tintara::instruments
