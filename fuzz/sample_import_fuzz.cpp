// The sample files of the main window's "Import", for every input type. The
// input is the file. A record accepted has its type's field count (spectra 43
// and the rest of the line), its own line number, and for the steps type the
// three texts between the first two tabs; a line without quotes splits at its
// commas. A byte-order mark before the file changes nothing. The row written
// for a record, converted when its numbers are numbers and "not converted"
// otherwise, reads back with the record's fields in their columns.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "datafiles/import_rows.h"
#include "datafiles/import_types.h"
#include "datafiles/sample_records.h"
#include "fuzz_check.h"
#include "munsell/hue_notation.h"
#include "textio/fieldreader.h"
#include "workspace/box_numbers.h"

using namespace tintara;
using datafiles::ImportType;
using tintara::fuzz::require;

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::string trimmed(std::string_view text, const char* blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

// A line without quotes: its comma pieces, blanks and tabs around each dropped,
// the empty ones beyond the count at the end left off.
std::vector<std::string> commaFields(const std::string& line, std::size_t count) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(trimmed(std::string_view(line).substr(start, comma - start), " \t"));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    while (fields.size() > count && fields.back().empty()) fields.pop_back();
    return fields;
}

std::vector<std::string> fieldsRead(const std::string& row) {
    std::istringstream in(row);
    textio::FieldReader reader(in);
    std::vector<std::string> fields;
    while (auto field = reader.field()) fields.push_back(*field);
    return fields;
}

// The fields of a record that must be numbers, and its hue, if it has one.
struct Due {
    std::size_t first, last;  // numbers, first to last
    int hue;                  // the hue field, or -1
};
Due dueOf(ImportType type) {
    switch (type) {
    case ImportType::XyzToPalette: return {1, 3, -1};
    case ImportType::LabTable: return {0, 2, -1};
    case ImportType::MunsellTable:
    case ImportType::MunsellSteps: return {1, 2, 0};
    case ImportType::ColorChecker: return {3, 4, 2};
    case ImportType::RhsChart: return {4, 5, 3};
    case ImportType::Spectra: return {3, 42, -1};
    }
    return {0, 0, -1};
}

bool converts(ImportType type, const datafiles::SampleRecord& record) {
    const Due due = dueOf(type);
    if (due.hue >= 0 && !munsell::parseHue(record.fields[std::size_t(due.hue)]).familyFound) return false;
    for (std::size_t i = due.first; i <= due.last; ++i) {
        const auto number = workspace::numberOf(record.fields[i]);
        if (!number) return false;
        const auto independent = fuzz::wholeNumber(record.fields[i]);
        require(independent && std::fabs(*independent) <= FLT_MAX, "a number where a number is due");
    }
    return true;
}

// The row of the record, read back: its fields in the columns they came from.
void checkRow(ImportType type, const datafiles::SampleRecord& record) {
    if (type == ImportType::XyzToPalette || type == ImportType::Spectra) return;
    datafiles::ShownColour shown{{"5R", "4", "10"}, {"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9", "10"}, 1, 2, 3};
    const bool converted = converts(type, record);
    const auto read = fieldsRead(converted ? datafiles::importRow(type, record, 7, shown)
                                           : datafiles::notConvertedRow(type, record, 7));
    const std::size_t columns = type == ImportType::MunsellTable   ? 16
                                : type == ImportType::ColorChecker ? 14
                                : type == ImportType::LabTable     ? 13
                                                                   : 12;
    require(read.size() == columns, "the row's columns");
    const std::size_t echoed = type == ImportType::LabTable   ? (converted ? 0 : 3)
                               : type == ImportType::RhsChart ? 3
                                                              : record.fields.size();
    const std::size_t at = type == ImportType::LabTable ? 7 : 0;
    for (std::size_t i = 0; i < echoed; ++i) require(read[at + i] == record.fields[i], "a field in its column");
    if (!converted) require(read[type == ImportType::LabTable ? 1 : echoed] == datafiles::notConverted, "marked");
}

void checkType(ImportType type, const std::vector<datafiles::InputLine>& lines) {
    const auto& info = datafiles::importTypeInfo(type);
    const std::size_t first = info.firstLine == datafiles::FirstLine::Record ? 0 : 1;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const auto& line = lines[i];
        if (datafiles::isBlankLine(line.text)) continue;
        std::string problem;
        const auto record = datafiles::recordOf(type, line, problem);
        if (type == ImportType::MunsellSteps) {
            const std::size_t tab = line.text.find('\t');
            const std::size_t second = tab == std::string::npos ? tab : line.text.find('\t', tab + 1);
            require(record.has_value() == (second != std::string::npos), "a record exactly with two tabs");
            if (record) {
                const std::string_view text = line.text;
                const std::vector<std::string> three{trimmed(text.substr(0, tab), " "),
                                                     trimmed(text.substr(tab + 1, second - tab - 1), " "),
                                                     trimmed(text.substr(second + 1), " ")};
                require(record->fields == three, "the texts between the first two tabs");
            }
        } else if (line.text.find('"') == std::string::npos && type != ImportType::Spectra) {
            const auto fields = commaFields(line.text, std::size_t(info.fieldCount));
            require(record.has_value() == (fields.size() == std::size_t(info.fieldCount)), "the type's count");
            if (record) require(record->fields == fields, "split at its commas");
        }
        if (!record) {
            require(!problem.empty(), "a refusal says why");
            continue;
        }
        require(record->line == line.number, "the record's line");
        if (type == ImportType::Spectra) {
            require(record->fields.size() == std::size_t(info.fieldCount), "three names and 40 reflectances");
            require(record->rest.find_first_of("\r\n") == std::string::npos, "the rest of one line");
            converts(type, *record);
        } else {
            require(record->fields.size() == std::size_t(info.fieldCount), "the type's count of fields");
        }
        checkRow(type, *record);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const auto lines = datafiles::inputLines(content);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        require(lines[i].number == (long long)(i) + 1, "lines counted from 1");
        require(lines[i].text.find_first_of("\r\n") == std::string::npos, "a line holds no line end");
    }
    if (content.rfind(byteOrderMark, 0) != 0) {
        const auto marked = datafiles::inputLines(std::string(byteOrderMark) + content);
        require(marked.size() == lines.size(), "a byte-order mark adds no line");
        for (std::size_t i = 0; i < lines.size(); ++i) require(marked[i].text == lines[i].text, "nor changes one");
    }
    for (int type = 0; type < 7; ++type) checkType(ImportType(type), lines);
    return 0;
}
