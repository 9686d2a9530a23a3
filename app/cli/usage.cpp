#include "usage.h"

namespace tintara::cli {

namespace {

const char* synopsis = R"(Usage:
  tintara-cli convert [OPTIONS] FORM VALUES...
  tintara-cli convert [OPTIONS] FORM < ENTRIES
  tintara-cli save-palette [OPTIONS] FILE TAG FORM VALUES...
  tintara-cli measure [OPTIONS] INSTRUMENT [--port N|DEVICE] [--file F]
  tintara-cli chart hue|value|tolerance|colorchecker [OPTIONS] [--tolerance T] [FORM VALUES...] --png FILE
  tintara-cli view [OPTIONS] PALETTE [--turn DEG] [--tilt DEG] [--zoom Z] [--numbers] --png FILE
  tintara-cli view [OPTIONS] PALETTE --list
  tintara-cli export-palette PALETTE --format gpl|css FILE
  tintara-cli palette-from-image [OPTIONS] PICTURE --granularity N --out FILE
  tintara-cli image-notation [OPTIONS] PICTURE --at X,Y [--granularity N]
  tintara-cli import [OPTIONS] TYPE [FILE] [--palette NAME]
  tintara-cli table [OPTIONS]
  tintara-cli COMMAND --help    the usage of one command
  tintara-cli --help            all of this
  tintara-cli --version         the program's version

Each command starts the main window afresh, sets the OPTIONS the way a person
would, drives the window as a person does and prints what it then shows.
Files are read and written in the current directory.
)";

const char* options = R"(
OPTIONS:
  --illuminant C|D50|D65   illuminant and observer: C 2° (the default), D50 2°,
                           D65 10°
  --pwd                    value scale of the perfect white diffuser (value 10
                           at Y = 100)
  --gamma G                display gamma, a plain decimal number from 1 to 3
                           (2.2 by default)
An unknown option, an option without its value, another illuminant or another
gamma is a usage error.
)";

const char* forms = R"(
FORM and its VALUES:
  munsell HUE VALUE CHROMA    e.g. munsell 5.6R 6.1 6.2; a neutral: munsell N 5 0
  xyz X Y Z                   e.g. xyz 41.24 30.5 20
  xy x y Y                    chromaticity and luminance
  lab L a b                   L*a*b*
  rgb R G B                   display RGB, 0..255
  cmyk C M Y K                ink percentages
X Y Z, x y Y and L*a*b* are the colour under the chosen illuminant: L*a*b* is
read against its white (under C, against 98.04, 100, 118.1, the white of the
window's L*a*b* entry), and the colour is carried back to C before its Munsell
notation is found in the renotation data.

Every VALUE is a plain decimal number: digits with an optional sign and at most
one decimal point, such as 12, -0.5 or .25. "abc", "12abc", "1e3", "nan",
"inf", "0x10" and empty text are refused. HUE is such a number followed by a
hue family, R YR Y GY G BG B PB P RP in either case, such as 5.6R or 2.5bg; N
stands for a neutral, given with chroma 0, and is typed into the window as 0R.
)";

const char* fields = R"(
The fields, in this order:
  munsell.hue munsell.value munsell.chroma xyz.X xyz.Y xyz.Z xy.x xy.y
  lab.L lab.a lab.b rgb.R rgb.G rgb.B cmyk.C cmyk.M cmyk.Y cmyk.K message note
message is the gamut message: "Out of RGB Range" or empty. note is the
window's message line after the entry: "Outside the Munsell renotation data"
for a colour the renotation data do not reach (its Munsell fields are then
only the numbers the search ends with, and a Munsell notation outside the data
shows as black), otherwise empty.
)";

const char* convert = R"(
convert types the VALUES into the boxes of FORM, presses Enter in its first
box, and prints every field as the window shows it, one line each, name=text.

With no VALUES, convert reads ENTRIES from standard input, one a line, and
enters them one after another into the same window. Values are separated by
commas, tabs or blanks; a value may be quoted ("10","20","30"), a doubled
quote standing for a quote inside it; two commas with nothing between them
hold an empty value; blank lines are skipped; a UTF-8 byte-order mark at the
start is ignored. The output is CSV: a header line of the 20 field names, then
one line per entry; a field is quoted only where it holds a comma or a quote.
A refused entry gives a line whose fields are all empty but note, which holds
the reason, and the run goes on.

An entry is refused when a value is not as above, when a batch line holds the
wrong number of values, or when the window refuses it (y = 0, L* below -16, a
hue off the circle, a negative value or chroma ...). An entry given on the
command line that is refused prints the reason on standard error, and nothing
on standard output, with status 1; in batch mode the reason goes in its line's
note, and the status is 1 at the end of the run.
)";

const char* savePalette = R"(
save-palette converts one entry as convert does, appends the colour's palette
record to FILE (".csv" is added unless the name ends so) with TAG as its sample
name and the system's date and time, and prints the fields. A double quote in
TAG is written doubled inside its quoted field. A TAG holding a line break, or
a refused entry, is refused (status 1) and FILE is left untouched; so is a FILE
that cannot be written, with the reason on standard error.
)";

const char* measure = R"(
measure presses Measure for INSTRUMENT (Import, CE7000, CE7000A, CE2180, XTH,
Ci5/Ci7, Spectrolino or SpectroEye) on serial port N (1..4, 1 by default) or on
the serial DEVICE given, and prints the fields of the colour measured, under
the illuminant chosen. For Import ("Import %R") the reflectance file F answers
the file dialog: a tag line, then 40 reflectances in percent, 360 to 750 nm,
separated by commas or line breaks. What the instrument puts on the message
line goes to standard error as information; the status is 0 only when a new
reading was taken and converted, and a failed measurement prints its message on
standard error (status 1). The configuration file is neither read nor written.
Serial ports 1..4 are /dev/ttyS0..3 unless TINTARA_PORT1..4 name other devices.
)";

const char* chart = R"(
chart draws a chart window for the colour given (the start-up colour
5.6R 6.1/6.2 when none is) under the OPTIONS, as the desktop program shows it
after its box is ticked, and writes a picture of the window to FILE as PNG: hue
(the Hue page of the colour's hue), value (the Value page of its value),
tolerance (the tolerance chart around its L*a*b*; --tolerance T sets all three
tolerances to T CIELAB units, 1 to 20 in tenths, 5 by default) or colorchecker
(the 24 patches of ccnames.csv). A picture that cannot be written leaves no file
behind (status 1), as does a ColorChecker chart drawn from a damaged
ccnames.csv (its picture is written, the problem printed, status 1).
)";

const char* view = R"(
view loads PALETTE as the palette viewer does, converting every sample
through the main window under the OPTIONS, and draws the viewer's 3D display
(401 x 393 pixels) into the PNG FILE: hue as the angle round the value axis,
chroma as the distance from it, value as the height. --turn rotates the solid
about the value axis (-180 to 180 degrees, 0 by default), --tilt sets the angle
of view (90 from the side, 0 from above, 75 by default), --zoom the half width
shown in chroma steps (1 to 40, 20 by default), and --numbers writes each
sample's number beside its dot. --list prints the viewer's sample list instead,
one line a sample. A broken palette prints its message on standard error
(status 1); the lines of the samples read before it are still listed.
LastPalette.txt is left as it is.
)";

const char* exportPalette = R"(
export-palette writes the colours of PALETTE, from the R, G, B each record
holds, to FILE ("-" for standard output) as a GIMP palette (gpl: GIMP, Inkscape
and Krita read it; the sample names are the colour names) or as CSS custom
properties on :root (css: --name: #rrggbb, the name made a lower-case
identifier, the sample's name and notation in a comment). A name the format
cannot carry is made safe, never dropped: an empty one becomes "Sample N" or
sample-N, one met before gets -2, -3 ... A record without R, G and B, or with
one that is not a whole number from 0 to 255, stops the export with its line
number (status 1).
)";

const char* paletteFromImage = R"(
palette-from-image makes a palette of PICTURE (JPEG or PNG) as the image
window's "Make Palette of Image" does: the picture is cut into blocks of N x N
pixels (a last column or row narrower than N is left out), each block's
average RGB is converted through the main window under the OPTIONS, and one
palette record per block, tagged with the block's top-left pixel (" 0 10"), is
appended to FILE (".csv" is added unless the name ends so; a FILE that exists
is replaced), column by column from the top. It prints how many records were
written. N is a whole number of 1 or more giving 1 to 10,000 blocks. A picture
that cannot be read, too many or no blocks, or a FILE that cannot be written is
refused with the reason on standard error (status 1); a write that fails part
way stops at that record, and FILE keeps the records before it.
)";

const char* imageNotation = R"(
image-notation prints the image window's notation line for one block of
PICTURE: without --granularity, the 9 x 9 block centred on pixel X,Y that a
click there averages (pixels beyond the picture's edge count as white); with
--granularity N, the N x N palette block holding X,Y. The block's average RGB
is converted through the main window under the OPTIONS. A click's block with a
channel at 0 or 255 is not converted (the window says so; status 1). A pixel
outside the picture or its whole blocks, or a picture that cannot be read, is
refused with the reason on standard error (status 1).
)";

const char* import = R"(
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
)";

const char* table = R"(
table writes muntable2.prn, the Munsell table under the OPTIONS, and prints
"Done"; a failed write prints why (status 1).
)";

const char* statuses = R"(
Exit status: 0 done; 1 an entry, a measurement or a save refused; 2 a usage
error, a wrong number of VALUES on the command line among them; 3 the window
could not start (Vezedu.dat missing or damaged).
)";

}  // namespace

std::string generalUsage() {
    return std::string(synopsis) + options + forms + fields + convert + savePalette + measure + chart + view +
           exportPalette + paletteFromImage + imageNotation + import + table + statuses;
}

std::optional<std::string> commandUsage(const std::string& command) {
    if (command == "convert")
        return std::string(
                   "Usage:\n  tintara-cli convert [OPTIONS] FORM VALUES...\n"
                   "  tintara-cli convert [OPTIONS] FORM < ENTRIES\n") +
               convert + options + forms + fields + statuses;
    if (command == "save-palette")
        return std::string("Usage:\n  tintara-cli save-palette [OPTIONS] FILE TAG FORM VALUES...\n") + savePalette +
               options + forms + fields + statuses;
    if (command == "measure")
        return std::string("Usage:\n  tintara-cli measure [OPTIONS] INSTRUMENT [--port N|DEVICE] [--file F]\n") +
               measure + options + fields + statuses;
    if (command == "chart")
        return std::string(
                   "Usage:\n  tintara-cli chart hue|value|tolerance|colorchecker [OPTIONS] [--tolerance T] "
                   "[FORM VALUES...] --png FILE\n") +
               chart + options + forms + statuses;
    if (command == "view")
        return std::string(
                   "Usage:\n  tintara-cli view [OPTIONS] PALETTE [--turn DEG] [--tilt DEG] [--zoom Z] [--numbers] "
                   "--png FILE\n  tintara-cli view [OPTIONS] PALETTE --list\n") +
               view + options + statuses;
    if (command == "export-palette")
        return std::string("Usage:\n  tintara-cli export-palette PALETTE --format gpl|css FILE\n") + exportPalette +
               statuses;
    if (command == "palette-from-image")
        return std::string("Usage:\n  tintara-cli palette-from-image [OPTIONS] PICTURE --granularity N --out FILE\n") +
               paletteFromImage + options + statuses;
    if (command == "image-notation")
        return std::string("Usage:\n  tintara-cli image-notation [OPTIONS] PICTURE --at X,Y [--granularity N]\n") +
               imageNotation + options + statuses;
    if (command == "import")
        return std::string("Usage:\n  tintara-cli import [OPTIONS] TYPE [FILE] [--palette NAME]\n") + import + options +
               statuses;
    if (command == "table") return std::string("Usage:\n  tintara-cli table [OPTIONS]\n") + table + options + statuses;
    return std::nullopt;
}

}  // namespace tintara::cli
