// The lines the sample import writes: the header of each output and a row per
// sample, converted or not, in print style (numbers with a sign blank and a
// trailing blank, CR LF). Text read from an input is written back as it was
// read; a field that holds a comma or a quote is quoted so that its row keeps
// its columns.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "colorimetry/xyz.h"
#include "datafiles/import_types.h"
#include "datafiles/sample_records.h"

namespace tintara::datafiles {

// A converted sample as the main window shows it.
struct ShownColour {
    std::array<std::string, 3> munsell;  // hue, value, chroma box texts
    std::array<std::string, 3> xyz;
    std::array<std::string, 3> lab;
    std::array<std::string, 4> cmyk;
    int R = 0, G = 0, B = 0;  // the display components of the conversion
};

// The numbers of a spectrum, as the spectra output prints them.
struct SpectrumNumbers {
    colorimetry::Xyz xyz;
    std::array<float, spectrumPoints> reflectance{};
};

// What goes in the place of the results of a sample that was not converted.
inline constexpr std::string_view notConverted = "not converted";

// The header lines of the type's output. `title` is the main window's title,
// `notice` the line the ColorChecker output adds to it, `inputHeader` the
// input's first line for the types that copy it.
std::string importHeader(ImportType type, std::string_view title, std::string_view notice,
                         std::string_view inputHeader);

// The row of a converted sample: for the L*a*b* table, `number` is its place
// in the file (1 for the first sample); spectra need their numbers.
std::string importRow(ImportType type, const SampleRecord& record, long long number, const ShownColour& shown,
                      const SpectrumNumbers& spectrum = {});

// The row of a sample the main window did not take: its input in the columns
// it came from, "not converted" in the first column of results, the other
// results empty.
std::string notConvertedRow(ImportType type, const SampleRecord& record, long long number);

// Outside what a display shows: a component at 0 or at 255.
bool outsideDisplay(int R, int G, int B);

// "Total colors 24  Colors not displayed 3", each count with its sign blank.
std::string totalsMessage(long long total, long long notShown);

}  // namespace tintara::datafiles
