// The argument parsers of tintara-cli. The input is a command line, its
// arguments separated by NUL bytes, the command first. What a parser accepts
// keeps its own rules: every option's value within its range, the words those
// that are no options, in their order, and the values of an entry plain
// decimal numbers (the hue a step and a family, or N with chroma 0).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/chart_options.h"
#include "cli/export_options.h"
#include "cli/import_options.h"
#include "cli/measure_options.h"
#include "cli/strict_values.h"
#include "cli/view_options.h"
#include "datafiles/import_types.h"
#include "fuzz_check.h"
#include "instruments/instrument.h"
#include "workspace/typed_entry.h"

using namespace tintara;
using tintara::fuzz::require;

namespace {

using Args = std::vector<std::string>;

// Optional sign, digits with at most one point among them, nothing else.
bool plainDecimal(const std::string& text) {
    std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1, digits = 0, points = 0;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

double valueOf(const std::string& text) {
    const auto value = fuzz::wholeNumber(text);
    require(value.has_value(), "a plain decimal is a number");
    return *value;
}

bool isOption(const std::string& a) { return a.size() > 2 && a.rfind("--", 0) == 0; }

// The value that follows the last appearance of an option, if any, the
// arguments paired as a parser pairs them: each of `taking` takes the
// argument after it as its value.
const std::string* lastValueOf(const Args& args, const std::string& option, std::initializer_list<const char*> taking) {
    const std::string* found = nullptr;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (std::find(taking.begin(), taking.end(), args[i]) == taking.end()) continue;
        if (args[i] == option) found = &args[i + 1];
        ++i;
    }
    return found;
}

void checkConvert(const Args& args, const cli::ConvertOptions& o) {
    require(!o.gamma || (plainDecimal(*o.gamma) && valueOf(*o.gamma) >= 1 && valueOf(*o.gamma) <= 3),
            "a gamma is a plain decimal from 1 to 3");
    for (const auto& word : o.words) require(!isOption(word), "no word looks like an option");
    // Every word is an argument, in the order given.
    std::size_t at = 0;
    for (const auto& word : o.words) {
        while (at < args.size() && args[at] != word) ++at;
        require(at++ < args.size(), "the words in their order");
    }
    const auto named = [&](const char* upper, const char* lower) {
        return std::find(args.begin(), args.end(), upper) != args.end() ||
               std::find(args.begin(), args.end(), lower) != args.end();
    };
    if (o.illuminant == colorimetry::Condition::D50_2) require(named("D50", "d50"), "D50 is named");
    if (o.illuminant == colorimetry::Condition::D65_10) require(named("D65", "d65"), "D65 is named");
}

// A Munsell hue a script may give: a plain decimal step and a family.
bool hueNotation(const std::string& hue) {
    std::string upper(hue);
    for (char& c : upper) c = char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    for (const char* family : {"YR", "GY", "BG", "PB", "RP", "R", "Y", "G", "B", "P"}) {
        const std::size_t n = std::char_traits<char>::length(family);
        if (upper.size() > n && upper.compare(upper.size() - n, n, family) == 0)
            return plainDecimal(upper.substr(0, upper.size() - n));
    }
    return false;
}

void checkValues(workspace::EntryForm form, const Args& values) {
    const cli::CheckedValues checked = cli::checkedValues(form, values);
    if (!checked.refusal.empty()) return;
    require(int(values.size()) == workspace::valueCount(form), "the form's count of values");
    require(checked.typed.size() == values.size(), "every value typed");
    const bool munsell = form == workspace::EntryForm::Munsell;
    for (std::size_t i = munsell ? 1 : 0; i < values.size(); ++i) {
        require(plainDecimal(values[i]), "a value is a plain decimal number");
        require(checked.typed[i] == values[i], "typed as given");
    }
    if (!munsell) return;
    if (values[0] == "N" || values[0] == "n") {
        require(valueOf(values[2]) == 0, "a neutral has chroma 0");
        require(checked.typed[0] == "0R", "a neutral is typed as 0R");
    } else {
        require(hueNotation(values[0]), "a hue is a step and a family");
        require(checked.typed[0] == values[0], "a hue typed as given");
    }
}

void convert(const Args& args) {
    cli::ConvertOptions o;
    std::string error;
    if (!cli::parseConvertOptions(args, o, error)) return require(!error.empty(), "a refusal says why");
    checkConvert(args, o);
    // convert FORM VALUES, or save-palette FILE TAG FORM VALUES.
    for (std::size_t at : {0, 2}) {
        if (o.words.size() <= at) continue;
        if (const auto form = workspace::entryForm(o.words[at]))
            checkValues(*form, Args(o.words.begin() + long(at) + 1, o.words.end()));
    }
}

void measure(const Args& args) {
    cli::MeasureOptions o;
    std::string error;
    if (!cli::parseMeasureOptions(args, o, error)) return require(!error.empty(), "a refusal says why");
    require(instruments::findInstrument(o.instrument) != nullptr, "an instrument of the list");
    require(o.display.words.size() == 1 && o.display.words[0] == o.instrument, "the instrument is the one word");
    if (const std::string* port = lastValueOf(args, "--port", {"--port", "--file"}))
        require(o.port == *port, "the port given");
}

void chart(const Args& args) {
    cli::ChartOptions o;
    std::string error;
    if (!cli::parseChartOptions(args, o, error)) return require(!error.empty(), "a refusal says why");
    require(!o.png.empty(), "a picture file");
    if (o.toleranceTenths) {
        require(*o.toleranceTenths >= 10 && *o.toleranceTenths <= 200, "a tolerance from 1 to 20");
        require(o.chart == cli::ChartKind::Tolerance, "a tolerance only for the tolerance chart");
        const std::string* given = lastValueOf(args, "--tolerance", {"--png", "--tolerance"});
        require(given && fuzz::wholeNumber(*given), "the tolerance given is a number");
        const double tenths = *fuzz::wholeNumber(*given) * 10;
        require(tenths > *o.toleranceTenths - 1e-3 && tenths < *o.toleranceTenths + 1e-3, "in tenths as given");
    }
    if (o.display.words.empty()) return;
    const auto form = workspace::entryForm(o.display.words[0]);
    require(form && int(o.display.words.size()) == workspace::valueCount(*form) + 1, "a form and its values");
    checkValues(*form, Args(o.display.words.begin() + 1, o.display.words.end()));
}

void view(const Args& args) {
    cli::ViewOptions o;
    std::string error;
    if (!cli::parseViewOptions(args, o, error)) return require(!error.empty(), "a refusal says why");
    require(o.turn >= -180 && o.turn <= 180, "a turn from -180 to 180");
    require(o.tilt >= 0 && o.tilt <= 90, "a tilt from 0 to 90");
    require(o.zoom >= 1 && o.zoom <= 40, "a zoom from 1 to 40");
    for (const auto& [option, value] : {std::pair{"--turn", o.turn}, {"--tilt", o.tilt}, {"--zoom", o.zoom}})
        if (const std::string* given = lastValueOf(args, option, {"--turn", "--tilt", "--zoom", "--png"}))
            require(fuzz::wholeNumber(*given) == double(value), "the whole number given");
    require(o.display.words.size() == 1, "one palette");
    require(o.png || o.list, "a picture or the list");
}

void exportPalette(const Args& args) {
    cli::ExportOptions o;
    std::string error;
    if (!cli::parseExportOptions(args, o, error)) return require(!error.empty(), "a refusal says why");
    require(o.format == "gpl" || o.format == "css", "a format of the two");
    require(!isOption(o.palette) && !isOption(o.output), "files are no options");
}

void import(const Args& args) {
    cli::ImportOptions o;
    std::string error;
    if (!cli::parseImportOptions(args, o, error)) return require(!error.empty(), "a refusal says why");
    checkConvert(args, o.display);
    const auto type = datafiles::importTypeFor(o.type);
    require(type.has_value(), "a type of the seven");
    require(o.file.has_value() == datafiles::importTypeInfo(*type).input.empty(),
            "a file exactly for the types that ask for one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Args args{""};
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += char(data[i]);
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "convert" || command == "save-palette" || command == "table") convert(args);
    if (command == "measure") measure(args);
    if (command == "chart") chart(args);
    if (command == "view") view(args);
    if (command == "export-palette") exportPalette(args);
    if (command == "import") import(args);
    return 0;
}
