// "Import %R": a reflectance curve from a text file instead of an instrument.
// The file holds a tag line, then the 40 values of 360..750 nm separated by
// commas and/or line breaks.
#include <filesystem>
#include <fstream>

#include "instruments/dialogue_steps.h"
#include "textio/fieldreader.h"

namespace tintara::instruments {

namespace {

const char* const formatMessage = "file import format error\r\nFORMAT\r\nTAG\r\n%R360, ...,%R750";

Field nextValue(textio::FieldReader& reader) {
    const auto value = reader.number();
    return value ? Field{ReadingFault::None, *value} : Field{ReadingFault::Garbled};
}

}  // namespace

MeasureEnd measureImport(DialogueContext& context, const InstrumentDescription&, MeasureState&, Reflectance& refl) {
    const auto path = context.dialogs.openFile("*.txt|*.txt");
    std::error_code ignored;
    if (!path || std::filesystem::is_directory(*path, ignored)) {
        showBox(context, "File not found");
        return MeasureEnd::EarlyExit;
    }
    std::ifstream in(*path, std::ios::binary);
    if (!in) {
        showBox(context, "File not found");
        return MeasureEnd::EarlyExit;
    }
    textio::FieldReader reader(in);
    const std::string tag = reader.line().value_or("");
    if (context.showImportedFile) context.showImportedFile(*path + " " + tag);

    Reflectance reading = refl;
    for (std::size_t i = 1; i <= 40; ++i) {
        switch (storeReading(nextValue(reader), reading[i])) {
        case ReadingFault::None: break;
        case ReadingFault::OutOfRange:
            showBox(context, "Reflectance out of range in the import file - reading rejected");
            return MeasureEnd::EarlyExit;
        default: showBox(context, formatMessage); return MeasureEnd::EarlyExit;
        }
    }
    refl = reading;
    return MeasureEnd::NewReading;
}

}  // namespace tintara::instruments
