#include "cli/strict_values.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "munsell/hue_notation.h"
#include "textio/numberread.h"

namespace tintara::cli {

using workspace::EntryForm;

namespace {

std::vector<std::string> boxNames(EntryForm form) {
    switch (form) {
    case EntryForm::Munsell: return {"the hue", "the value", "the chroma"};
    case EntryForm::Xyz: return {"X", "Y", "Z"};
    case EntryForm::Xy: return {"x", "y", "Y"};
    case EntryForm::Lab: return {"L*", "a*", "b*"};
    case EntryForm::Rgb: return {"R", "G", "B"};
    case EntryForm::Cmyk: return {"C", "M", "Y", "K"};
    }
    return {};
}

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

// A step number and a family, the two-letter families tried first as the
// window does ("5YR" also ends in R).
bool isHueNotation(const std::string& text) {
    const std::string upper = upperCase(text);
    for (const int length : {2, 1}) {
        for (const std::string_view family : munsell::hueNames) {
            if (int(family.size()) != length || upper.size() <= family.size()) continue;
            if (std::string_view(upper).substr(upper.size() - family.size()) != family) continue;
            return textio::isPlainDecimal(std::string_view(upper).substr(0, upper.size() - family.size()));
        }
    }
    return false;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

CheckedValues checkedValues(EntryForm form, const std::vector<std::string>& values) {
    CheckedValues checked{values, ""};
    const int count = workspace::valueCount(form);
    if (int(values.size()) != count) {
        checked.refusal = "expected " + std::to_string(count) + " values, found " + std::to_string(values.size());
        return checked;
    }
    const auto names = boxNames(form);
    for (int i = 0; i < count; ++i) {
        if (form == EntryForm::Munsell && i == 0) continue;
        if (!textio::isPlainDecimal(values[i])) {
            checked.refusal = names[i] + " must be a plain decimal number such as 12.5, not " + quoted(values[i]);
            return checked;
        }
    }
    if (form != EntryForm::Munsell) return checked;
    if (upperCase(values[0]) == "N") {
        if (textio::parseNumber(values[2]).value_or(1) != 0) {
            checked.refusal = "N is a neutral: its chroma must be 0, not " + quoted(values[2]);
            return checked;
        }
        checked.typed[0] = "0R";  // a neutral's hue does not count; 0R is hue number 0
    } else if (!isHueNotation(values[0])) {
        checked.refusal =
            "the hue must be a number followed by a hue family (R YR Y GY G BG B PB P RP), such as "
            "5.6R, or N with chroma 0; not " +
            quoted(values[0]);
    }
    return checked;
}

}  // namespace tintara::cli
