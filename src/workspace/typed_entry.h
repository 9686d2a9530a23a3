// Entering a colour into the main window the way a person does: typing into the
// boxes of one form and pressing Enter; and reading back every field as shown.
// The command-line program and the tests drive the window through this.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "workspace/form1.h"

namespace tintara::workspace {

enum class EntryForm { Munsell, Xyz, Xy, Lab, Rgb, Cmyk };

// "munsell", "xyz", "xy", "lab", "rgb" or "cmyk".
std::optional<EntryForm> entryForm(std::string_view name);
int valueCount(EntryForm form);

// Types each value into its box (x y: the x and y boxes, then the Y box) and
// presses Enter in the form's first box.
void typeEntry(Form1& window, EntryForm form, const std::vector<std::string>& values);

// Every field of the current colour as the window shows it, in a fixed order:
// munsell.hue ... cmyk.K, then message (the gamut label).
std::vector<std::pair<std::string, std::string>> shownFields(const Form1& window);

}  // namespace tintara::workspace
