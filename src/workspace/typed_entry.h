// The main window's named entry points: entering a colour the way a person does
// (typing into the boxes of one form and pressing Enter), setting the
// illuminant, PWD and gamma, pressing Measure, saving to a palette, and reading
// back every field as shown. The command-line program drives the window only
// through these, and the tests use them too.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "colorimetry/conditions.h"
#include "workspace/form1.h"

namespace tintara::workspace {

enum class EntryForm { Munsell, Xyz, Xy, Lab, Rgb, Cmyk };

// "munsell", "xyz", "xy", "lab", "rgb" or "cmyk".
std::optional<EntryForm> entryForm(std::string_view name);
int valueCount(EntryForm form);

// Types each value into its box (x y: the x and y boxes, then the Y box) and
// presses Enter in the form's first box.
void typeEntry(Form1& window, EntryForm form, const std::vector<std::string>& values);

// The message of the last entry refused, empty when it was taken.
const std::string& refusalOf(const Form1& window);

// Clicks the illuminant button of the condition.
void chooseIlluminant(Form1& window, colorimetry::Condition condition);
// Ticks or clears "PWD".
void setPwd(Form1& window, bool ticked);
// Types a display gamma into the gamma box, replacing its text. False, with
// nothing typed, when the text is not a number from 1 to 3.
bool typeGamma(Form1& window, std::string_view gamma);

// Presses "Measure" ("Import %R" for the reflectance-file instrument). True
// when a new reading was taken and converted; what the message line showed on
// the way (a greeting, an instrument asleep) does not decide it.
bool pressMeasure(Form1& window);
// The message line as it stands.
const std::string& messageLine(const Form1& window);
// Calls `seen` with every non-empty text the message line takes from now on.
void watchMessageLine(Form1& window, std::function<void(const std::string&)> seen);

// Appends the current colour to the palette file under the sample name tag,
// without asking. True when the record was written.
bool saveToPalette(Form1& window, const std::string& file, const std::string& tag);

// Every field of the current colour as the window shows it, in a fixed order:
// munsell.hue ... cmyk.K, then message (the gamut label) and note (the message
// line: the outside notice, or any other message the window wrote there).
std::vector<std::pair<std::string, std::string>> shownFields(const Form1& window);

}  // namespace tintara::workspace
