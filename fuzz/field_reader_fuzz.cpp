// The comma field reader, driven by the input's own bytes through every call it
// offers. No field or line holds a line end, the reader comes to the end of any
// text, and once atEnd() says so, nothing but the field a comma promised is left.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "textio/fieldreader.h"

using namespace tintara;
using tintara::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    textio::FieldReader reader(in);
    // Each call takes at least one character, but for the one empty field a
    // final comma promises and a number() at the end.
    for (std::size_t call = 0; call <= 2 * size + 2; ++call) {
        std::optional<std::string> got;
        switch (size == 0 ? 0 : data[call % size] % 4) {
        case 0: got = reader.field(); break;
        case 1: got = reader.number() ? std::optional<std::string>("") : std::nullopt; break;
        case 2: got = reader.line(); break;
        default:
            if (reader.atEnd()) {
                const auto last = reader.field();
                require(!last || last->empty(), "at the end only a promised empty field");
                require(!reader.field(), "and then nothing");
                return 0;
            }
            got = reader.field();
        }
        if (got) require(got->find_first_of("\r\n") == std::string::npos, "no line end inside");
    }
    require(reader.atEnd(), "the reader comes to the end");
    return 0;
}
