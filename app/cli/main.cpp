// tintara-cli: the main window's conversions without a display. It drives the
// same window logic as the desktop program, so it prints what the window shows.
#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "convert_command.h"
#include "exit_codes.h"
#include "export_palette_command.h"
#include "measure_command.h"
#include "view_command.h"

namespace {

const char* usage = R"(Usage:
  tintara-cli convert [--illuminant C|D50|D65] [--pwd] [--gamma G] FORM VALUES...
  tintara-cli convert [options] FORM < entries
  tintara-cli save-palette [options] FILE TAG FORM VALUES...
  tintara-cli measure [options] INSTRUMENT [--port N|DEVICE] [--file F]
  tintara-cli view [options] PALETTE [--turn DEG] [--tilt DEG] [--zoom Z] [--numbers] --png FILE
  tintara-cli view [options] PALETTE --list
  tintara-cli export-palette PALETTE --format gpl|css FILE
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

view loads PALETTE as the palette viewer does, converting every sample
through the main window under the options given, and draws the viewer's 3D
display (401 x 393 pixels) into the PNG FILE: hue as the angle round the
value axis, chroma as the distance from it, value as the height. --turn
rotates the solid about the value axis (-180 to 180 degrees, 0 by default),
--tilt sets the angle of view (90 from the side, 0 from above, 75 by
default), --zoom the half width shown in chroma steps (1 to 40, 20 by
default), and --numbers writes each sample's number beside its dot. --list
prints the viewer's sample list instead, one line a sample. A broken palette
prints its message on standard error and exits with status 1; the lines of
the samples read before it are still listed. LastPalette.txt is left as it is.

export-palette writes the colours of PALETTE, from the R, G, B each record
holds, to FILE ("-" for standard output) as a GIMP palette (gpl: GIMP,
Inkscape and Krita read it; the sample names are the colour names) or as CSS
custom properties on :root (css: --name: #rrggbb, the name made a lower-case
identifier, the sample's name and notation in a comment). A name the format
cannot carry is made safe, never dropped: an empty one becomes "Sample N" or
sample-N, one met before gets -2, -3 ... A record without R, G and B, or with
one that is not a whole number from 0 to 255, stops the export with its line
number and status 1.

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
    if (command == "view") {
        tintara::cli::ViewOptions options;
        if (!tintara::cli::parseViewOptions(args, options, error)) return usageError(error);
        return tintara::cli::runView(options, argv[0]);
    }
    if (command == "export-palette") {
        tintara::cli::ExportOptions options;
        if (!tintara::cli::parseExportOptions(args, options, error)) return usageError(error);
        return tintara::cli::runExportPalette(options);
    }
    std::cerr << "tintara-cli: unknown command " << command << " (see tintara-cli --help)\n";
    return tintara::cli::exitUsage;
}
