// The SpectroEye measurement reply: 36 six-character fractions 7 apart from
// position 11, for 380..730 nm; the four end wavelengths are not written.
#include "dialogue_fuzz.h"

using namespace tintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string wake(250, '\xFF');
    const auto m = fuzz::measureWith("SpectroEye", {{wake + "; 32\r\n", "OK\r\n"}}, wake + "; 184 9 0\r\n", data, size);
    if (m.end != instruments::MeasureEnd::NewReading) {
        fuzz::requireUnchanged(m);
        return 0;
    }
    const std::size_t end = m.reply.find("\r\n");
    // The reply ends with its first CR LF, and holds every field.
    fuzz::require(end != std::string::npos && end + 2 >= 7 * 36 + 4 + 5, "every field inside the reply");
    for (std::size_t i = 1; i <= 36; ++i) fuzz::requireField(m, i + 2, 7 * i + 4, 6, 100.0);
    for (std::size_t i : {1, 2, 39, 40}) fuzz::require(m.refl[i] == fuzz::before, "the ends keep their values");
    return 0;
}
