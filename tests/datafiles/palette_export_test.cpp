// Palettes for painting programs: the colours each record holds, written as
// a GIMP palette and as CSS custom properties, every name kept in a form the
// format can carry. The colours of the records of both layouts are read in
// the command line's export tests.
#include "datafiles/palette_export.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tintara::datafiles {
namespace {

std::string record(const std::string& name, const std::string& r, const std::string& g, const std::string& b) {
    return "\"12-06-2026\",\"09:30:00\",\"" + name +
           "\",\"5.6R\",\"6.1\",\"6.2\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"," + "0.5,0.25,0.125,\"" + r + "\",\"" + g +
           "\",\"" + b + "\",\"1\",\"2\",\"3\",\"4\"\r\n";
}

TEST(PaletteExport, RecordsWithoutAWholeColourAreRefusedByLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"a,b,c,5R,4,6\r\n", "line 2: the record holds no R, G and B (fields 16 to 18)"},
        {record("x", "256", "0", "0"), "line 2: \"256\" is not a whole number from 0 to 255 for R, G or B"},
        {record("x", "0", "-1", "0"), "line 2: \"-1\" is not a whole number from 0 to 255 for R, G or B"},
        {record("x", "0", "0", "12.5"), "line 2: \"12.5\" is not a whole number from 0 to 255 for R, G or B"},
        {record("x", "0", "", "0"), "line 2: \"\" is not a whole number from 0 to 255 for R, G or B"},
        {"a,b,c,5R,four,6\r\n", "line 2: the value \"four\" is not a number"},
    };
    for (const auto& [line, message] : cases) {
        std::istringstream in(record("fine", "0", "255", "7") + line);
        std::vector<PaletteColour> colours;
        std::string error;
        EXPECT_FALSE(readPaletteColours(in, colours, error)) << line;
        EXPECT_EQ(error, message);
    }
}

TEST(PaletteExport, GimpPaletteKeepsEveryNameOnItsLine) {
    const std::vector<PaletteColour> colours = {{"Brick", "", 199, 133, 126},
                                                {"two\tparts\r\nlines", "", 0, 5, 255},
                                                {"  ", "", 10, 20, 30},
                                                {"caf\xe9", "", 1, 2, 3}};
    EXPECT_EQ(gimpPalette(colours, "reds.csv"),
              "GIMP Palette\nName: reds.csv\nColumns: 0\n#\n"
              "199 133 126\tBrick\n"
              "  0   5 255\ttwo parts  lines\n"
              " 10  20  30\tSample 3\n"
              "  1   2   3\tcaf\xc3\xa9\n");
}

TEST(PaletteExport, CssPropertiesAreSafeIdentifiersNeverLostOrRepeated) {
    const std::vector<PaletteColour> colours = {{"Brick, old", "5.6R 6.1/6.2", 199, 133, 126},
                                                {"brick old", "5R 4/4", 0, 5, 255},
                                                {"", "N 5/0", 119, 119, 119},
                                                {"*/ end", "5Y 8/2", 255, 255, 0},
                                                {"Sample 3", "5G 5/5", 1, 2, 3},
                                                {"Caf\xc3\xa9 _noir", "5YR 3/2", 16, 8, 4}};
    EXPECT_EQ(cssPalette(colours, "reds.csv"),
              "/* reds.csv */\n:root {\n"
              "  --brick-old: #c7857e;  /* Brick, old  5.6R 6.1/6.2 */\n"
              "  --brick-old-2: #0005ff;  /* brick old  5R 4/4 */\n"
              "  --sample-3: #777777;  /* N 5/0 */\n"
              "  --end: #ffff00;  /* * / end  5Y 8/2 */\n"
              "  --sample-3-2: #010203;  /* Sample 3  5G 5/5 */\n"
              "  --caf\xc3\xa9-_noir: #100804;  /* Caf\xc3\xa9 _noir  5YR 3/2 */\n"
              "}\n");
}

}  // namespace
}  // namespace tintara::datafiles
