#include "charts/ccnames.h"

#include <sstream>
#include <vector>

#include "textio/fieldreader.h"

namespace tintara::charts {

namespace {
constexpr int fieldsPerRecord = 5;

bool blank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

std::vector<std::string> fieldsOf(const std::string& line) {
    std::istringstream in(line);
    textio::FieldReader reader(in);
    std::vector<std::string> fields;
    while (auto field = reader.field()) fields.push_back(std::move(*field));
    return fields;
}
}  // namespace

PatchNotations readPatchNotations(std::istream& in, const std::string& fileName) {
    PatchNotations read;
    textio::FieldReader lines(in);
    if (!lines.line()) {
        read.problem = fileName + " is empty: no patch can be painted";
        return read;
    }
    auto note = [&](const std::string& problem) {
        if (read.problem.empty()) read.problem = problem;
    };
    int lineNumber = 1, patch = 0;
    while (patch < patchCount) {
        const auto line = lines.line();
        if (!line) {
            note(fileName + " ends after line " + std::to_string(lineNumber) + ": patches " +
                 std::to_string(patch + 1) + " to " + std::to_string(patchCount) + " have no record");
            break;
        }
        ++lineNumber;
        if (blank(*line)) continue;
        const std::vector<std::string> fields = fieldsOf(*line);
        if (fields.size() < std::size_t(fieldsPerRecord)) {
            note(fileName + ", line " + std::to_string(lineNumber) + ": patch " + std::to_string(patch + 1) + " has " +
                 std::to_string(fields.size()) + " of its 5 fields");
        } else {
            read.patches[std::size_t(patch)] = PatchNotation{fields[1], fields[2], fields[3], fields[4]};
        }
        ++patch;
    }
    return read;
}

}  // namespace tintara::charts
