// The answer to the granularity question: the side n of the square blocks a
// palette is averaged over.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tintara::imaging {

// n when the whole answer is one whole number of 1 or more (blanks around it
// allowed); otherwise nothing, and `problem` says why, naming the answer.
std::optional<int> granularityOf(std::string_view answer, std::string& problem);

}  // namespace tintara::imaging
