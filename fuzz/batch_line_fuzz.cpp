// The batch-input line of tintara-cli. A line without quotes splits as its
// rules say, read here independently: at commas, each piece then at runs of
// blanks, tabs and CRs, an empty piece one empty value, a blank line none.
// Any line's values, written back quoted and joined by commas, read back the
// same; a byte-order mark before a first line changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_line.h"
#include "fuzz_check.h"

using namespace tintara;
using tintara::fuzz::require;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string> splitWithoutQuotes(std::string_view line) {
    std::vector<std::string> values;
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) return values;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        const std::string_view piece = line.substr(start, comma == std::string_view::npos ? comma : comma - start);
        std::vector<std::string> words;
        std::string word;
        for (char c : piece) {
            if (!isBlank(c)) {
                word += c;
            } else if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
        }
        if (!word.empty()) words.push_back(word);
        if (words.empty()) words.emplace_back();
        values.insert(values.end(), words.begin(), words.end());
        if (comma == std::string_view::npos) return values;
        start = comma + 1;
    }
}

std::string quotedLine(const std::vector<std::string>& values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        line += i ? ",\"" : "\"";
        for (char c : values[i]) line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> values = cli::batchValues(line);
    if (line.find('"') == std::string::npos)
        require(values == splitWithoutQuotes(line), "a line without quotes splits as its rules say");
    if (!values.empty()) require(cli::batchValues(quotedLine(values)) == values, "written quoted, it reads back");
    require(cli::batchValues(cli::withoutByteOrderMark("\xEF\xBB\xBF" + line)) == values,
            "a byte-order mark changes nothing");
    return 0;
}
