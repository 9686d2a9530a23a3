#include "cli/image_options.h"

#include <cmath>
#include <limits>

#include "imaging/granularity.h"
#include "textio/numberread.h"

namespace tintara::cli {

namespace {

// Takes "--granularity N", "--out FILE" and "--at X,Y" out of the arguments,
// leaving the rest (the picture and the display options) in `rest`.
struct ImageArgs {
    std::optional<std::string> granularity, out, at;
    std::vector<std::string> rest;
};

bool splitImageArgs(const std::vector<std::string>& args, ImageArgs& split, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<std::string>* slot = a == "--granularity" ? &split.granularity
                                           : a == "--out"       ? &split.out
                                           : a == "--at"        ? &split.at
                                                                : nullptr;
        if (!slot) {
            split.rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = a + " needs a value";
            return false;
        }
        *slot = args[++i];
    }
    return true;
}

bool onePicture(const std::vector<std::string>& rest, ConvertOptions& display, const char* command,
                std::string& error) {
    if (!parseConvertOptions(rest, display, error)) return false;
    if (display.words.size() == 1) return true;
    error = std::string(command) + " needs one PICTURE";
    return false;
}

// The same rule as the window's granularity question.
bool granularityTaken(const std::string& text, int& n, std::string& error) {
    const auto taken = imaging::granularityOf(text, error);
    if (!taken) return false;
    n = *taken;
    return true;
}

std::optional<int> pixelCoordinate(std::string_view text) {
    const auto number = textio::parseNumber(text);
    // Range first: a number beyond int must not be converted to one.
    if (!number || *number < 0 || *number > std::numeric_limits<int>::max() || std::floor(*number) != *number)
        return std::nullopt;
    return int(*number);
}

}  // namespace

bool parsePaletteFromImageOptions(const std::vector<std::string>& args, PaletteFromImageOptions& options,
                                  std::string& error) {
    ImageArgs split;
    if (!splitImageArgs(args, split, error)) return false;
    if (split.at) {
        error = "palette-from-image takes no --at";
        return false;
    }
    if (!split.granularity || !split.out) {
        error = "palette-from-image needs --granularity N and --out FILE";
        return false;
    }
    if (!granularityTaken(*split.granularity, options.granularity, error)) return false;
    options.out = *split.out;
    return onePicture(split.rest, options.display, "palette-from-image", error);
}

bool parseImageNotationOptions(const std::vector<std::string>& args, ImageNotationOptions& options,
                               std::string& error) {
    ImageArgs split;
    if (!splitImageArgs(args, split, error)) return false;
    if (split.out) {
        error = "image-notation takes no --out";
        return false;
    }
    if (!split.at) {
        error = "image-notation needs --at X,Y";
        return false;
    }
    const auto comma = split.at->find(',');
    const auto x = comma == std::string::npos ? std::nullopt : pixelCoordinate(split.at->substr(0, comma));
    const auto y = comma == std::string::npos ? std::nullopt : pixelCoordinate(split.at->substr(comma + 1));
    if (!x || !y) {
        error = "--at takes a pixel as X,Y, two whole numbers of 0 or more such as 120,45";
        return false;
    }
    options.x = *x;
    options.y = *y;
    if (split.granularity) {
        int n = 0;
        if (!granularityTaken(*split.granularity, n, error)) return false;
        options.granularity = n;
    }
    return onePicture(split.rest, options.display, "image-notation", error);
}

}  // namespace tintara::cli
