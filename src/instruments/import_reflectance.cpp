// "Import %R": a reflectance curve from a text file instead of an instrument.
#include "instruments/dialogue_steps.h"
#include "instruments/reflectance_file.h"
#include "textio/text_file.h"

namespace tintara::instruments {

namespace {

const char* const formatMessage = "file import format error\r\nFORMAT\r\nTAG\r\n%R360, ...,%R750";

}  // namespace

MeasureEnd measureImport(DialogueContext& context, const InstrumentDescription&, MeasureState&, Reflectance& refl) {
    const auto path = context.dialogs.openFile("*.txt|*.txt");
    if (!path) {
        showBox(context, "File not found");
        return MeasureEnd::EarlyExit;
    }
    const textio::TextFile text = textio::readTextFile(*path, reflectanceFileLimit);
    switch (text.problem) {
    case textio::FileProblem::None: break;
    case textio::FileProblem::NotRegular:
    case textio::FileProblem::TooLarge:
        showBox(context, textio::describeProblem(*path, text.problem, reflectanceFileLimit));
        return MeasureEnd::EarlyExit;
    default: showBox(context, "File not found"); return MeasureEnd::EarlyExit;
    }

    ReflectanceFile file;
    const ImportFault fault = readReflectanceFile(text.text, file);
    if (context.showImportedFile) context.showImportedFile(*path + " " + file.tag);
    switch (fault) {
    case ImportFault::None: break;
    case ImportFault::Format: showBox(context, formatMessage); return MeasureEnd::EarlyExit;
    case ImportFault::OutOfRange:
        showBox(context, "Reflectance out of range in the import file - reading rejected");
        return MeasureEnd::EarlyExit;
    }
    std::copy(file.curve.begin() + 1, file.curve.end(), refl.begin() + 1);
    return MeasureEnd::NewReading;
}

}  // namespace tintara::instruments
