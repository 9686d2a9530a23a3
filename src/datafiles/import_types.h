// The seven kinds of sample file the main window's "Import" converts, each
// named by the code the person types at "Type import".
#pragma once

#include <optional>
#include <string_view>

namespace tintara::datafiles {

enum class ImportType {
    XyzToPalette,  // "xyz": tag, X, Y, Z of a chosen file, appended to the palette
    LabTable,      // "6": L*, a*, b* of lab_sRGB.csv
    MunsellTable,  // "0": hue, value, chroma of a chosen file
    MunsellSteps,  // "3": hue, value and chroma separated by tabs, steps.txt
    ColorChecker,  // "4": the ColorChecker patches of ccnames.csv
    RhsChart,      // "2": the RHS colour chart, RHScolors.txt
    Spectra        // "1": three text fields and 40 reflectances, munfile1.txt
};

// What the input's first line is.
enum class FirstLine {
    Record,  // a sample like every other line
    Skipped,
    Header  // copied into the output's header
};

struct ImportTypeInfo {
    std::string_view code;    // the answer to "Type import"
    std::string_view input;   // the input file; empty when the person chooses it
    std::string_view output;  // the output file; empty for the palette
    FirstLine firstLine;
    int fieldCount;           // fields of a record; for spectra, the fewest
    std::string_view fields;  // what a record holds, for messages
    // "Total colors ... Colors not displayed ..." closes the run, and the
    // conversions run in chart mode.
    bool countsNotShown;
};

const ImportTypeInfo& importTypeInfo(ImportType type);

// The type whose code the answer is, exactly as typed ("XYZ" and " 3" are none).
std::optional<ImportType> importTypeFor(std::string_view answer);

// Reflectances in a spectrum record: 360 to 750 nm in steps of 10.
inline constexpr int spectrumPoints = 40;

}  // namespace tintara::datafiles
