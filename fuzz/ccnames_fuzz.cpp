// "ccnames.csv" as the ColorChecker chart reads it. Every patch the reader
// takes has a hue with a family symbol and a finite hue number, and a value
// and chroma that are numbers a float holds; the file is reported whole
// exactly when all 24 patches were read, and otherwise its problem names the
// file and a line it has.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "charts/ccnames.h"
#include "fuzz_check.h"
#include "munsell/hue_circle.h"
#include "munsell/hue_notation.h"

using namespace tintara;
using tintara::fuzz::require;

namespace {

bool singleNumber(const std::string& text) {
    const auto number = fuzz::wholeNumber(text);
    return number && std::fabs(*number) <= FLT_MAX;
}

// Lines counted as the reader splits them: at CR LF, LF or CR.
long long lineCount(const std::string& text) {
    long long lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++lines;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    const charts::PatchNotations read = charts::readPatchNotations(in, "ccnames.csv");
    int patches = 0;
    for (const auto& patch : read.patches) {
        if (!patch) continue;
        ++patches;
        const munsell::ParsedHue hue = munsell::parseHue(patch->hue);
        require(hue.familyFound, "a hue with a family symbol");
        require(std::isfinite(munsell::foldedOnce(hue.hue)), "a hue on the circle");
        require(singleNumber(patch->value) && singleNumber(patch->chroma), "a value and chroma that are numbers");
    }
    require(read.problem.empty() == (patches == charts::patchCount), "whole exactly when all 24 were read");
    if (read.problem.empty()) return 0;
    require(read.problem.rfind("ccnames.csv", 0) == 0, "the problem names the file");
    const std::size_t at = read.problem.find("line ");
    if (at == std::string::npos) {
        require(read.problem == "ccnames.csv is empty: no patch can be painted" && text.empty(), "only empty files");
        return 0;
    }
    const long long line = std::stoll(read.problem.substr(at + 5));
    require(line >= 1 && line <= lineCount(text), "a line the file has");
    return 0;
}
