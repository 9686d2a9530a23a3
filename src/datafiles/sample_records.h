// Reading the records of a sample file, one line each, so that a record with a
// field too few or too many is found on its own line and never shifts the
// records after it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/import_types.h"

namespace tintara::datafiles {

struct InputLine {
    long long number = 0;  // 1 for the first line
    std::string text;      // without its line end
};

// The lines of a text, split at CR LF, LF or CR; a last line without a line
// end counts, an empty text has none. A UTF-8 byte-order mark at the start is
// dropped.
std::vector<InputLine> inputLines(std::string_view content);

// A line of nothing but blanks and tabs.
bool isBlankLine(std::string_view text);

struct SampleRecord {
    long long line = 0;
    std::vector<std::string> fields;  // as read, the blanks around each dropped
    std::string rest;                 // spectra: the text after the last reflectance
};

// The record of a line for the type: comma-separated fields (quoted ones may
// hold commas), or for the steps file three texts split at the first two tabs.
// Empty fields at the end of a line are ignored. Nothing, with `problem` set,
// when the line holds another number of fields (spectra: fewer than 43).
std::optional<SampleRecord> recordOf(ImportType type, const InputLine& line, std::string& problem);

}  // namespace tintara::datafiles
