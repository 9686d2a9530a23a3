// The Munsell table file: its header, the lines of chosen grid points worked
// out by hand from the value polynomial, the illuminant C white and the
// display matrix, and the points left out. The main window's table tests run
// it under D65.
#include "datafiles/munsell_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "munsell/shipped_table.h"

namespace tintara::datafiles {
namespace {

const std::string title = "Tintara - Munsell Colour Workbench  notice";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const auto end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The line of a grid point, found by its first four columns.
std::string lineAt(const std::vector<std::string>& lines, const std::string& start) {
    for (const auto& line : lines)
        if (line.rfind(start, 0) == 0) return line;
    return "(none)";
}

std::vector<std::string> tableLines(int* rows = nullptr) {
    const MunsellTable table = munsellTable(munsell::testkit::shippedTable(), {}, title);
    if (rows) *rows = table.rows;
    return linesOf(table.text);
}

// The window's table tests check the title, the column names and the first
// data line.
TEST(MunsellTable, GamutNoteAndTheCountOfRows) {
    int rows = 0;
    const auto lines = tableLines(&rows);
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[1],
              "If R G B value is 0 or 255 the color is out of the gamut of a CRT and is for approximation only  "
              "Illuminant C 2 degree observer  Kellerby  March 29, 2011");
    EXPECT_EQ(rows, int(lines.size()) - 3);
    EXPECT_LT(rows, 12 * 40 * 20);
}

TEST(MunsellTable, QuarterValuesAndNoValueTen) {
    const auto lines = tableLines();
    // Y(8.25) = 63.634; the neutral's L* 83.775, components 207.
    EXPECT_EQ(lineAt(lines, " 0 \t.00R\t 8.25 \t 0 \t"),
              " 0 \t.00R\t 8.25 \t 0 \t62.39\t63.63\t75.16\t83.77\t-.05\t.06\t207\t207\t207");
    for (const char* value : {"\t 8.5 \t", "\t 8.75 \t", "\t 9 \t"})
        EXPECT_NE(lineAt(lines, std::string(" 50 \t10.00G") + value), "(none)") << value;
    EXPECT_EQ(lineAt(lines, " 50 \t10.00G\t 10 \t"), "(none)");
    EXPECT_EQ(lineAt(lines, " 50 \t10.00G\t 9.5 \t"), "(none)");
}

// At value 1 the cell from 10RP to 2.5R is sampled up to chroma 14 on both
// sides at values 1 and 2, but 2.5R 1/16 is missing: chroma 12 is the last
// point of hue 0, and hue 2.5 follows at once.
TEST(MunsellTable, PointsOutsideTheDataAreLeftOut) {
    const auto lines = tableLines();
    const char* chromas[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "10", "12"};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(lines[3 + i].rfind(std::string(" 0 \t.00R\t 1 \t ") + chromas[i] + " \t", 0), 0u) << lines[3 + i];
    EXPECT_EQ(lines[14].rfind(" 2.5 \t2.50R\t 1 \t 0 \t", 0), 0u) << lines[14];
    for (const auto& line : lines) EXPECT_EQ(line.find("\t0.00\t"), std::string::npos) << line;
}

// The hue column names the grid hue; the colour is taken 0.001 past it. 5R
// 4/14 is a sample of the data, x = 0.5734, y = 0.3057, and 7.5R 4/14 (0.5959,
// 0.3269) pulls x, y by 0.0004 of the way towards it: Y = 12.0008 from the
// polynomial, X = 22.5094, Z = 4.7457, a* = 59.5044 (at the sample itself
// a* would be 59.5058). On a family boundary the notation is that of the grid
// hue, 10.00R; 10.001 would be written .00YR.
TEST(MunsellTable, HueColumnFromTheGridAndTheColourJustPastIt) {
    const auto lines = tableLines();
    EXPECT_EQ(lineAt(lines, " 5 \t5.00R\t 4 \t 14 \t"),
              " 5 \t5.00R\t 4 \t 14 \t22.51\t12.00\t4.75\t41.22\t59.50\t30.17\t186\t38\t54");
    EXPECT_NE(lineAt(lines, " 10 \t10.00R\t 4 \t 0 \t"), "(none)");
    EXPECT_NE(lineAt(lines, " 97.5 \t7.50RP\t 1 \t 0 \t"), "(none)");
}

}  // namespace
}  // namespace tintara::datafiles
