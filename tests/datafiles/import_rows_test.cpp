// The sample import's output lines, written out by hand from the print rules:
// a number with a blank in its sign position and one after it, text as read,
// commas and CR LF.
#include "datafiles/import_rows.h"

#include <gtest/gtest.h>

namespace tintara::datafiles {
namespace {

ShownColour brick() {
    ShownColour s;
    s.munsell = {"5.00R", "4.00", "14.00"};
    s.xyz = {"22.51", "12.00", "4.75"};
    s.lab = {"41.22", "59.50", "30.17"};
    s.cmyk = {"20", "77", "71", "6"};
    s.R = 186, s.G = 38, s.B = 54;
    return s;
}

SampleRecord record(std::vector<std::string> fields, std::string rest = {}) { return {7, std::move(fields), rest}; }

TEST(ImportRows, HeadersOfEachOutput) {
    const std::string title = "Tintara - Munsell Colour Workbench", notice = "  Version 12";
    EXPECT_EQ(importHeader(ImportType::LabTable, title, notice, ""), "#,Hue,Value,Chroma,X,Y,Z,L*,a*,b*,R,G,B\r\n");
    EXPECT_EQ(importHeader(ImportType::MunsellTable, title, notice, ""), "");
    EXPECT_EQ(importHeader(ImportType::MunsellSteps, title, notice, ""), "H,V,C,X,Y,Z,L*,a*,b*,R,G,B\r\n");
    EXPECT_EQ(importHeader(ImportType::ColorChecker, title, notice, "No,Name,H,V,C"),
              "Tintara - Munsell Colour Workbench  Version 12\r\n"
              "If R G B value is 0 or 255 the color is out of the gamut of a CRT and is for approximation only  "
              "Illuminant C 2 degree observer  Kellerby  March 12 2002\r\n"
              "No,Name,H,V,C,X,Y,Z,L*,a*,b*,R,G,B\r\n");
    EXPECT_EQ(importHeader(ImportType::RhsChart, title, notice, "Fan,Group,Ref,H,V,C"),
              "Tintara - Munsell Colour Workbench\r\nFan,Group,Ref,H,V,C,X,Y,Z,L*,a*,b*,R,G,B\r\n");
    EXPECT_EQ(importHeader(ImportType::Spectra, title, notice, ""), "Tintara - Munsell Colour Workbench\r\n");
}

TEST(ImportRows, ConvertedRowsOfTheCommaSeparatedOutputs) {
    const ShownColour s = brick();
    const std::string cie = ",22.51,12.00,4.75,41.22,59.50,30.17, 186 , 38 , 54 ";
    EXPECT_EQ(importRow(ImportType::LabTable, record({"41.22", "59.5", "30.17"}), 1, s),
              " 1 ,5.00R,4.00,14.00,22.51,12.00,4.75,41.22,59.50,30.17, 186 , 38 , 54 \r\n");
    EXPECT_EQ(importRow(ImportType::LabTable, record({"1", "2", "3"}), 32768, s).substr(0, 8), " 32768 ,");
    EXPECT_EQ(importRow(ImportType::MunsellTable, record({"5R", "4", "14"}), 1, s),
              "5R,4,14" + cie + ",20,77,71,6\r\n");
    EXPECT_EQ(importRow(ImportType::MunsellSteps, record({"5R", "4", "14"}), 1, s), "5R,4,14" + cie + "\r\n");
    EXPECT_EQ(importRow(ImportType::ColorChecker, record({"1", "dark skin", "3YR", "3.7", "3.2"}), 1, s),
              "1,dark skin,3YR,3.7,3.2" + cie + "\r\n");
    // The RHS chart writes its three name fields only; a name holding a comma
    // is quoted so that the columns stay in place.
    EXPECT_EQ(importRow(ImportType::RhsChart, record({"Red", "46", "A, B", "5R", "4", "14"}), 1, s),
              "Red,46,\"A, B\"" + cie + "\r\n");
}

TEST(ImportRows, NotConvertedRowsKeepTheirInputAndTheirColumns) {
    EXPECT_EQ(notConvertedRow(ImportType::LabTable, record({"-20", "5", "5"}), 7),
              " 7 ,not converted,,,,,,-20,5,5,,,\r\n");
    EXPECT_EQ(notConvertedRow(ImportType::MunsellTable, record({"5R", "abc", "4"}), 1),
              "5R,abc,4,not converted,,,,,,,,,,,,\r\n");
    EXPECT_EQ(notConvertedRow(ImportType::MunsellSteps, record({"5R", "4", "x"}), 1),
              "5R,4,x,not converted,,,,,,,,\r\n");
    EXPECT_EQ(notConvertedRow(ImportType::ColorChecker, record({"1", "a", "N", "5", "0"}), 1),
              "1,a,N,5,0,not converted,,,,,,,,\r\n");
    EXPECT_EQ(notConvertedRow(ImportType::RhsChart, record({"a", "b", "c", "N", "5", "0"}), 1),
              "a,b,c,not converted,,,,,,,,\r\n");
}

// Zone print: every item at the next 14-column zone, numbers with a sign blank.
TEST(ImportRows, SpectraRowsInPrintZones) {
    std::vector<std::string> fields = {"S1", "tile", ""};
    SpectrumNumbers numbers;
    numbers.xyz = {41.5f, 30.25f, 20.0f};
    for (int i = 0; i < spectrumPoints; ++i) {
        numbers.reflectance[i] = 50.5f;
        fields.push_back("50.5");
    }
    const std::string z(14, ' ');
    auto pad = [](std::string item) { return item + std::string(14 - item.size(), ' '); };
    // Converted, the reflectances print as numbers; not converted, as read.
    std::string reflectances, asRead;
    for (int i = 0; i + 1 < spectrumPoints; ++i) reflectances += pad(" 50.5 "), asRead += pad("50.5");
    reflectances += " 50.5 ", asRead += "50.5";

    // The third name is empty and still takes its zone.
    EXPECT_EQ(importRow(ImportType::Spectra, record(fields, "glossy"), 1, brick(), numbers),
              pad("S1") + pad("tile") + z + pad("5.00R") + pad("4.00") + pad("14.00") + pad(" 41.5 ") + pad(" 30.25 ") +
                  pad(" 20 ") + pad("glossy") + reflectances + "\r\n");
    EXPECT_EQ(notConvertedRow(ImportType::Spectra, record(fields, "glossy"), 1),
              pad("S1") + pad("tile") + z + pad("not converted") + z + z + z + z + z + pad("glossy") + asRead + "\r\n");
}

TEST(ImportRows, NotDisplayedMeansAComponentAtEitherEnd) {
    EXPECT_TRUE(outsideDisplay(0, 37, 80));
    EXPECT_FALSE(outsideDisplay(1, 37, 254));
    EXPECT_TRUE(outsideDisplay(1, 255, 254));
    EXPECT_TRUE(outsideDisplay(1, 37, 0));
}

TEST(ImportRows, TotalsMessage) {
    EXPECT_EQ(totalsMessage(24, 3), "Total colors 24  Colors not displayed 3");
    EXPECT_EQ(totalsMessage(40000, 0), "Total colors 40000  Colors not displayed 0");
}

}  // namespace
}  // namespace tintara::datafiles
