#include "datafiles/import_rows.h"

#include "textio/numbertext.h"
#include "textio/printstyle.h"

namespace tintara::datafiles {

namespace {

// The ColorChecker output's second line, as its first readers have known it.
constexpr std::string_view colorCheckerGamutNote =
    "If R G B value is 0 or 255 the color is out of the gamut of a CRT and is for approximation only  Illuminant C 2 "
    "degree observer  Kellerby  March 12 2002";
constexpr std::string_view cieColumnNames = ",X,Y,Z,L*,a*,b*,R,G,B";

// Results after the input's columns: X, Y, Z, L*, a*, b*, R, G, B, and for the
// Munsell table C, M, Y, K as well.
int resultColumns(ImportType type) { return type == ImportType::MunsellTable ? 13 : 9; }

// The input fields the type writes back in front of its results.
std::size_t echoedFields(ImportType type) { return type == ImportType::RhsChart ? 3 : 0; }

// An input field as a column of the output. Blanks or tabs at either end (a
// quoted input field, the last text of a steps line) are kept inside quotes,
// since a reader drops them from a bare field.
std::string echoedField(const std::string& text) {
    std::string field = textio::csvField(text);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (field == text && !text.empty() && (blank(text.front()) || blank(text.back()))) field = '"' + text + '"';
    return field;
}

void putFields(textio::PrintLine& line, const SampleRecord& record, std::size_t count) {
    for (std::size_t i = 0; i < count && i < record.fields.size(); ++i)
        line.text(std::string(i ? "," : "") + echoedField(record.fields[i]));
}

// ",X,Y,Z,L*,a*,b*" as shown, then the components as numbers.
void putCieResults(textio::PrintLine& line, const ShownColour& shown) {
    for (const auto* texts : {&shown.xyz, &shown.lab})
        for (const auto& text : *texts) line.text("," + text);
    line.text(",").whole(shown.R).text(",").whole(shown.G).text(",").whole(shown.B);
}

std::string spectraRow(const SampleRecord& r, const ShownColour& shown, const SpectrumNumbers& spectrum) {
    textio::PrintLine line;
    for (int i = 0; i < 3; ++i) line.zoneText(r.fields[i]);
    for (const auto& text : shown.munsell) line.zoneText(text);
    line.zoneNumber(spectrum.xyz.X).zoneNumber(spectrum.xyz.Y).zoneNumber(spectrum.xyz.Z).zoneText(r.rest);
    for (float value : spectrum.reflectance) line.zoneNumber(value);
    return line.finish();
}

std::string spectraNotConverted(const SampleRecord& r) {
    textio::PrintLine line;
    for (int i = 0; i < 3; ++i) line.zoneText(r.fields[i]);
    line.zoneText(notConverted);
    for (int i = 0; i < 5; ++i) line.zoneText("");  // value, chroma, X, Y, Z
    line.zoneText(r.rest);
    for (int i = 3; i < 3 + spectrumPoints; ++i) line.zoneText(r.fields[i]);
    return line.finish();
}

}  // namespace

std::string importHeader(ImportType type, std::string_view title, std::string_view notice,
                         std::string_view inputHeader) {
    const std::string end(textio::lineEnd);
    switch (type) {
    case ImportType::LabTable: return "#,Hue,Value,Chroma,X,Y,Z,L*,a*,b*,R,G,B" + end;
    case ImportType::MunsellSteps: return "H,V,C,X,Y,Z,L*,a*,b*,R,G,B" + end;
    case ImportType::ColorChecker:
        return std::string(title) + std::string(notice) + end + std::string(colorCheckerGamutNote) + end +
               std::string(inputHeader) + std::string(cieColumnNames) + end;
    case ImportType::RhsChart:
        return std::string(title) + end + std::string(inputHeader) + std::string(cieColumnNames) + end;
    case ImportType::Spectra: return std::string(title) + end;
    case ImportType::XyzToPalette:
    case ImportType::MunsellTable: return {};
    }
    return {};
}

std::string importRow(ImportType type, const SampleRecord& record, long long number, const ShownColour& shown,
                      const SpectrumNumbers& spectrum) {
    textio::PrintLine line;
    switch (type) {
    case ImportType::Spectra: return spectraRow(record, shown, spectrum);
    case ImportType::LabTable:
        line.whole(number);
        for (const auto* texts : {&shown.munsell, &shown.xyz, &shown.lab})
            for (const auto& text : *texts) line.text("," + text);
        line.text(",").whole(shown.R).text(",").whole(shown.G).text(",").whole(shown.B);
        return line.finish();
    case ImportType::XyzToPalette: return {};
    default: break;
    }
    putFields(line, record, echoedFields(type) ? echoedFields(type) : record.fields.size());
    putCieResults(line, shown);
    if (type == ImportType::MunsellTable)
        for (const auto& text : shown.cmyk) line.text("," + text);
    return line.finish();
}

std::string notConvertedRow(ImportType type, const SampleRecord& record, long long number) {
    textio::PrintLine line;
    switch (type) {
    case ImportType::Spectra: return spectraNotConverted(record);
    case ImportType::LabTable:
        // #, Hue, Value, Chroma, X, Y, Z, then the L*, a*, b* read, then R, G, B.
        line.whole(number).text("," + std::string(notConverted) + ",,,,,");
        putFields(line.text(","), record, 3);
        return line.text(",,,").finish();
    case ImportType::XyzToPalette: return {};
    default: break;
    }
    putFields(line, record, echoedFields(type) ? echoedFields(type) : record.fields.size());
    line.text("," + std::string(notConverted) + std::string(resultColumns(type) - 1, ','));
    return line.finish();
}

bool outsideDisplay(int R, int G, int B) {
    for (int c : {R, G, B})
        if (c == 0 || c == 255) return true;
    return false;
}

std::string totalsMessage(long long total, long long notShown) {
    return "Total colors" + textio::signedWhole(total) + "  Colors not displayed" + textio::signedWhole(notShown);
}

}  // namespace tintara::datafiles
