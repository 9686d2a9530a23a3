#include "instruments/reflectance_file.h"

#include <sstream>

#include "instruments/reply_fields.h"
#include "textio/fieldreader.h"

namespace tintara::instruments {

ImportFault readReflectanceFile(std::string_view text, ReflectanceFile& file) {
    std::istringstream in{std::string(text)};
    textio::FieldReader reader(in);
    file.tag = reader.line().value_or("");
    for (std::size_t i = 1; i <= 40; ++i) {
        const auto value = reader.number();
        if (!value) return ImportFault::Format;
        if (storeReading({ReadingFault::None, *value}, file.curve[i]) != ReadingFault::None)
            return ImportFault::OutOfRange;
    }
    // A 41st value (a line given twice) would shift the curve if it were let by.
    return reader.atEnd() ? ImportFault::None : ImportFault::Format;
}

}  // namespace tintara::instruments
