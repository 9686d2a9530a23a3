#include "imaging/granularity.h"

#include <cmath>
#include <limits>

#include "textio/numberread.h"

namespace tintara::imaging {

std::optional<int> granularityOf(std::string_view answer, std::string& problem) {
    const auto number = textio::parseNumber(answer);
    const bool whole = number && std::floor(*number) == *number;
    if (whole && *number >= 1 && *number <= std::numeric_limits<int>::max()) return int(*number);
    const std::string rule = "The granularity n must be a whole number of 1 or more";
    if (answer.find_first_not_of(" \t") == std::string_view::npos)
        problem = rule + ".";
    else if (whole && *number >= 1)
        problem = rule + "; " + std::string(answer) + " is larger than any picture.";
    else
        problem = rule + "; " + std::string(answer) + " is not.";
    return std::nullopt;
}

}  // namespace tintara::imaging
