// The lines tintara-cli reads from standard input in batch mode.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tintara::cli {

// The values of one line. They are separated by commas, tabs or blanks: a run
// of blanks and tabs counts as one separator and blanks beside a comma do not
// count, while two commas with nothing between them hold an empty value, as
// does a comma at either end of the line. A value in double quotes is taken
// as written between them, commas and blanks included, a doubled quote
// standing for one. A CR at the end of the line is dropped. A blank line has
// no values.
std::vector<std::string> batchValues(std::string_view line);

// The line without a UTF-8 byte-order mark at its start, which editors on some
// systems put at the start of a file.
std::string_view withoutByteOrderMark(std::string_view line);

}  // namespace tintara::cli
