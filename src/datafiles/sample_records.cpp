#include "datafiles/sample_records.h"

#include <sstream>

#include "textio/fieldreader.h"

namespace tintara::datafiles {

namespace {

std::string withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string countProblem(std::size_t found, const ImportTypeInfo& info) {
    return "holds " + std::to_string(found) + (found == 1 ? " field" : " fields") + "; a record is " +
           std::string(info.fields) + " (" + std::to_string(info.fieldCount) + " fields)";
}

// Hue, value and chroma with a tab between them; a comma is text like any other.
std::optional<SampleRecord> stepsRecord(const InputLine& line, std::string& problem) {
    const auto first = line.text.find('\t');
    const auto second = first == std::string::npos ? first : line.text.find('\t', first + 1);
    if (second == std::string::npos) {
        problem = "has no two tabs; a record is " + std::string(importTypeInfo(ImportType::MunsellSteps).fields);
        return std::nullopt;
    }
    const std::string_view text = line.text;
    return SampleRecord{
        line.number,
        {withoutBlanks(text.substr(0, first)), withoutBlanks(text.substr(first + 1, second - first - 1)),
         withoutBlanks(text.substr(second + 1))},
        {}};
}

}  // namespace

std::vector<InputLine> inputLines(std::string_view content) {
    // A spreadsheet may begin its file with the UTF-8 byte-order mark, which
    // would otherwise stick to the first field ("5R" read as hue 0).
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (content.substr(0, byteOrderMark.size()) == byteOrderMark) content.remove_prefix(byteOrderMark.size());
    std::vector<InputLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const auto end = content.find_first_of("\r\n", start);
        const auto stop = end == std::string_view::npos ? content.size() : end;
        lines.push_back({static_cast<long long>(lines.size()) + 1, std::string(content.substr(start, stop - start))});
        if (stop == content.size()) break;
        start = stop + (content.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool isBlankLine(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

std::optional<SampleRecord> recordOf(ImportType type, const InputLine& line, std::string& problem) {
    if (type == ImportType::MunsellSteps) return stepsRecord(line, problem);
    const ImportTypeInfo& info = importTypeInfo(type);
    std::istringstream in(line.text);
    textio::FieldReader reader(in);
    SampleRecord record{line.number, {}, {}};
    const bool spectra = type == ImportType::Spectra;
    while (!spectra || int(record.fields.size()) < info.fieldCount) {
        auto field = reader.field();
        if (!field) break;
        record.fields.push_back(std::move(*field));
    }
    if (spectra) {
        record.rest = reader.line().value_or("");
    } else {
        while (int(record.fields.size()) > info.fieldCount && record.fields.back().empty()) record.fields.pop_back();
    }
    if (int(record.fields.size()) != info.fieldCount) {
        problem = countProblem(record.fields.size(), info);
        return std::nullopt;
    }
    return record;
}

}  // namespace tintara::datafiles
