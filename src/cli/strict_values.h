// The values tintara-cli accepts for an entry. The command line is stricter
// than the window's boxes, which read what they cannot take as 0: a script
// that passes a wrong value is told so instead of getting a confident colour.
#pragma once

#include <string>
#include <vector>

#include "workspace/typed_entry.h"

namespace tintara::cli {

struct CheckedValues {
    std::vector<std::string> typed;  // the texts to type into the boxes
    std::string refusal;             // why the values were refused; empty when taken
};

// Every value must be a plain decimal number (textio::isPlainDecimal), and the
// hue of a Munsell entry a plain decimal step followed by a hue family, in
// either case, so that the window reads it without "Format Error". A neutral
// may be given as hue N with chroma 0; it is typed as 0R.
CheckedValues checkedValues(workspace::EntryForm form, const std::vector<std::string>& values);

}  // namespace tintara::cli
