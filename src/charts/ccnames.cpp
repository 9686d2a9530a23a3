#include "charts/ccnames.h"

#include <cfloat>
#include <cmath>
#include <sstream>
#include <vector>

#include "munsell/hue_notation.h"
#include "textio/fieldreader.h"
#include "textio/numberread.h"

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

// Why a value or chroma text is no number a float holds; empty when it is one.
std::string numberProblem(const char* what, const std::string& text) {
    const auto number = textio::parseNumber(text);
    if (number && std::fabs(*number) <= FLT_MAX) return {};
    return std::string("has the ") + what + " \"" + text + "\", " + (number ? "out of range" : "which is not a number");
}

// What keeps a whole record from being painted: a hue the main window would
// refuse with "Format Error" (no family symbol) or could not place on the
// circle, a value or chroma that is no number (it would be painted as 0).
std::string notationProblem(const PatchNotation& n) {
    const munsell::ParsedHue hue = munsell::parseHue(n.hue);
    if (!hue.familyFound) return "has the hue \"" + n.hue + "\" without a hue family";
    if (!std::isfinite(hue.hue)) return "has the hue \"" + n.hue + "\" out of range";
    if (auto problem = numberProblem("value", n.value); !problem.empty()) return problem;
    return numberProblem("chroma", n.chroma);
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
            PatchNotation notation{fields[1], fields[2], fields[3], fields[4]};
            const std::string problem = notationProblem(notation);
            if (problem.empty())
                read.patches[std::size_t(patch)] = std::move(notation);
            else
                note(fileName + ", line " + std::to_string(lineNumber) + ": patch " + std::to_string(patch + 1) +
                     ", \"" + notation.name + "\", " + problem);
        }
        ++patch;
    }
    return read;
}

}  // namespace tintara::charts
