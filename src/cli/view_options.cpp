#include "cli/view_options.h"

#include <cmath>

#include "textio/numberread.h"

namespace tintara::cli {

namespace {

struct Bounded {
    const char* option;
    int ViewOptions::*field;
    int lowest, highest;
    const char* unit;
};

constexpr Bounded boundedOptions[] = {
    {"--turn", &ViewOptions::turn, -180, 180, "degrees"},
    {"--tilt", &ViewOptions::tilt, 0, 90, "degrees"},
    {"--zoom", &ViewOptions::zoom, 1, 40, "chroma steps"},
};

// A whole number within the bar's range, as the scroll bar would take it. The
// range is checked before the conversion: no int holds -1e75.
bool wholeIn(const std::string& text, int lowest, int highest, int& value) {
    const auto number = textio::parseNumber(text);
    if (!number || !(*number >= lowest && *number <= highest) || *number != std::trunc(*number)) return false;
    value = int(*number);
    return true;
}

}  // namespace

bool parseViewOptions(const std::vector<std::string>& args, ViewOptions& options, std::string& error) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const Bounded* bounded = nullptr;
        for (const Bounded& b : boundedOptions)
            if (a == b.option) bounded = &b;
        if (bounded || a == "--png") {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (!bounded) {
                options.png = value;
            } else if (!wholeIn(value, bounded->lowest, bounded->highest, options.*(bounded->field))) {
                error = a + " takes a whole number of " + bounded->unit + " from " + std::to_string(bounded->lowest) +
                        " to " + std::to_string(bounded->highest);
                return false;
            }
        } else if (a == "--list") {
            options.list = true;
        } else if (a == "--numbers") {
            options.numbers = true;
        } else {
            rest.push_back(a);
        }
    }
    if (!parseConvertOptions(rest, options.display, error)) return false;
    if (options.display.words.size() != 1) {
        error = "view needs one PALETTE file";
        return false;
    }
    if (!options.png && !options.list) {
        error = "view needs --png FILE or --list";
        return false;
    }
    return true;
}

}  // namespace tintara::cli
