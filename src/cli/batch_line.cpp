#include "cli/batch_line.h"

namespace tintara::cli {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
}  // namespace

std::vector<std::string> batchValues(std::string_view line) {
    std::vector<std::string> values;
    std::string current;
    bool reading = false;   // a value has begun and is not yet taken
    bool valueOwed = true;  // a comma (or the start of the line) asks for a value
    bool lineStart = true;
    auto take = [&] {
        values.push_back(std::move(current));
        current.clear();
        reading = false;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (isBlank(c)) {
            if (reading) take(), valueOwed = false;
        } else if (c == ',') {
            if (reading || valueOwed) take();
            valueOwed = true;
            lineStart = false;
        } else if (c == '"') {
            reading = true;
            for (++i; i < line.size() && !(line[i] == '"' && (i + 1 == line.size() || line[i + 1] != '"')); ++i) {
                current += line[i];
                if (line[i] == '"') ++i;  // the second of a doubled quote
            }
        } else {
            reading = true;
            current += c;
        }
        if (reading) lineStart = false;
    }
    // A line with nothing but blanks has no values; after a comma one is owed.
    if (reading || (valueOwed && !lineStart)) take();
    return values;
}

std::string_view withoutByteOrderMark(std::string_view line) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    return line.substr(0, mark.size()) == mark ? line.substr(mark.size()) : line;
}

}  // namespace tintara::cli
