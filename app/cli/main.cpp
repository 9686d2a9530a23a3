// tintara-cli: the main window's conversions without a display. It drives the
// same window logic as the desktop program, so it prints what the window shows.
#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "convert_command.h"
#include "exit_codes.h"
#include "import_command.h"
#include "measure_command.h"

namespace {

const char* usage = R"(Usage:
  tintara-cli convert [--illuminant C|D50|D65] [--pwd] [--gamma G] FORM VALUES...
  tintara-cli convert [options] FORM < entries
  tintara-cli save-palette [options] FILE TAG FORM VALUES...
  tintara-cli measure [options] INSTRUMENT [--port N|DEVICE] [--file F]
  tintara-cli import [options] TYPE [FILE] [--palette NAME]
  tintara-cli table [options]
  tintara-cli --help

convert types one entry into a freshly started main window, presses Enter in
the first box of its form, and prints every field as the window shows it, one
line each, name=text:
  munsell.hue munsell.value munsell.chroma xyz.X xyz.Y xyz.Z xy.x xy.y
  lab.L lab.a lab.b rgb.R rgb.G rgb.B cmyk.C cmyk.M cmyk.Y cmyk.K message
where message is the gamut message ("Out of RGB Range" or empty).

FORM and its VALUES:
  munsell HUE VALUE CHROMA    e.g. munsell 5.6R 6.1 6.2
  xyz X Y Z                   e.g. xyz 41.24 30.5 20
  xy x y Y                    chromaticity and luminance
  lab L a b                   L*a*b* (read against the illuminant C white)
  rgb R G B                   display RGB, 0..255
  cmyk C M Y K                ink percentages

Options:
  --illuminant C|D50|D65   illuminant and observer (C 2°, D50 2°, D65 10°); C by default
  --pwd                    value scale of the perfect white diffuser (value 10 at Y = 100)
  --gamma G                display gamma, 1 to 3 (2.2 by default)

With no VALUES, entries are read from standard input, one per line, values
separated by commas, tabs or blanks, and entered one after another into the
same window. The output is CSV: a header line with the names above, then one
line per entry; a field is quoted only where it holds a comma or a quote.

A refused entry (a box that is not a number, y = 0, L* below -16 ...) prints
the window's message on standard error and exits with status 1; in batch mode
its row carries the message in the message column, the run goes on, and the
status is 1 at the end. Usage errors exit with 2, a failed start-up with 3.

save-palette converts one entry like convert, appends the colour's palette
record to FILE (".csv" is added unless the name ends so) with TAG as its sample
name, and prints the fields. Scripts build palettes with it.

measure presses Measure for INSTRUMENT (Import, CE7000, CE7000A, CE2180, XTH,
Ci5/Ci7, Spectrolino or SpectroEye) on serial port N (1..4, 1 by default) or on
the serial DEVICE given, and prints the fields of the colour measured. For
Import ("Import %R") the reflectance file F answers the file dialog: a tag line
then 40 reflectances in percent, 360 to 750 nm, separated by commas or line
breaks. A failed measurement prints its message on standard error and exits
with status 1. The configuration file is neither read nor written.
Serial ports 1..4 are /dev/ttyS0..3 unless TINTARA_PORT1..4 name other devices.

import converts a file of colour samples as the main window's "Import" does.
TYPE and the files it reads and writes:
  xyz   FILE (a header line, then tag,X,Y,Z)    appended to the palette NAME
        (ZOLpalette by default; ".csv" is added)
  6     lab_sRGB.csv (header, then L*,a*,b*)     lab_sRGB.txt
  0     FILE (a header line, then hue,value,chroma)  tempOUT.txt
  3     steps.txt (hue, value, chroma with tabs)  stepsMUNSELL.txt
  4     ccnames.csv (header, then 2 names,hue,value,chroma)  cchecker.csv
  2     RHScolors.txt (header, then 3 names,hue,value,chroma)  RHScolorsMUNSELL.txt
  1     munfile1.txt (3 names, 40 reflectances 360..750 nm, a note)  munout.txt
It prints what the window's message boxes say: totals and samples not
converted on standard output, failures on standard error. An output takes its
name only when written whole; a run that stops leaves the previous one as it
was. The status is 1 when the input could not be read, the run stopped, or a
sample was not converted (its row says "not converted").

table writes muntable2.prn, the Munsell table under the options given, and
prints "Done"; a failed write prints why, with status 1.

Files are read and written in the current directory.
)";

int usageError(const std::string& error) {
    std::cerr << "tintara-cli: " << error << '\n';
    return tintara::cli::exitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << usage;
        return args.empty() ? tintara::cli::exitUsage : tintara::cli::exitDone;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    std::string error;
    if (command == "convert" || command == "save-palette") {
        tintara::cli::ConvertOptions options;
        if (!tintara::cli::parseConvertOptions(args, options, error)) return usageError(error);
        return command == "convert" ? tintara::cli::runConvert(options, argv[0])
                                    : tintara::cli::runSavePalette(options, argv[0]);
    }
    if (command == "measure") {
        tintara::cli::MeasureOptions options;
        if (!tintara::cli::parseMeasureOptions(args, options, error)) return usageError(error);
        return tintara::cli::runMeasure(options, argv[0]);
    }
    if (command == "import") {
        tintara::cli::ImportOptions options;
        if (!tintara::cli::parseImportOptions(args, options, error)) return usageError(error);
        return tintara::cli::runImport(options, argv[0]);
    }
    if (command == "table") {
        tintara::cli::ConvertOptions options;
        if (!tintara::cli::parseConvertOptions(args, options, error)) return usageError(error);
        return tintara::cli::runTable(options, argv[0]);
    }
    std::cerr << "tintara-cli: unknown command " << command << " (see tintara-cli --help)\n";
    return tintara::cli::exitUsage;
}
