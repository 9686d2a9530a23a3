// The Vezedu.dat loader. A table it accepts has every number in range, the C
// white at chroma 0, hue 40 repeating hue 0 and the outer wall empty; a notice
// comes exactly when the file holds more numbers than the table takes.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "munsell/renotation_table.h"

using namespace tintara::munsell;
using tintara::fuzz::require;

namespace {

// Fields as the file's rule splits them, counted independently.
std::size_t countFields(const std::string& text) {
    std::size_t count = 0;
    bool inField = false;
    for (char c : text) {
        const bool separator = c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!separator && !inField) ++count;
        inField = !separator;
    }
    return count;
}

void checkTable(const RenotationTable& table) {
    for (int v = 0; v < tableValues; ++v)
        for (int h = 0; h < tableHues; ++h)
            for (int c = 0; c < tableChromas; ++c) {
                const int x = table.x(v, h, c), y = table.y(v, h, c);
                require(x >= smallestEntry && x <= largestEntry && y >= smallestEntry && y <= largestEntry,
                        "every entry within range");
                if (h == tableHues - 1 || c >= loadedChromas) require(x == 0 && y == 0, "the outer wall is empty");
                if (h < tableHues - 1 && c == 0) require(x == 3101 && y == 3163, "chroma 0 is the C white");
                if (h == loadedHues && c < loadedChromas)
                    require(x == table.x(v, 0, c) && y == table.y(v, 0, c), "hue 40 repeats hue 0");
            }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    const LoadedTable result = loadRenotationTable(in);
    if (!result.table) {
        require(!result.error.empty(), "a refusal says why");
        return 0;
    }
    checkTable(*result.table);
    const std::size_t fields = countFields(text);
    require(fields >= renotationNumbers, "a table comes from enough numbers");
    require(result.notice.empty() == (fields == renotationNumbers), "a notice exactly for extra numbers");
    return 0;
}
