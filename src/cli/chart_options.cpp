#include "cli/chart_options.h"

#include <cmath>

#include "textio/numberread.h"
#include "workspace/typed_entry.h"

namespace tintara::cli {

namespace {

std::optional<ChartKind> chartNamed(const std::string& name) {
    if (name == "hue") return ChartKind::Hue;
    if (name == "value") return ChartKind::Value;
    if (name == "tolerance") return ChartKind::Tolerance;
    if (name == "colorchecker") return ChartKind::ColorChecker;
    return std::nullopt;
}

// A tolerance the bars can show: 1 to 20 CIELAB units in tenths.
std::optional<int> toleranceTenths(const std::string& text) {
    const auto value = textio::parseNumber(text);
    if (!value) return std::nullopt;
    const double tenths = *value * 10;
    if (!(tenths >= 10 - 1e-6 && tenths <= 200 + 1e-6) || std::fabs(tenths - std::nearbyint(tenths)) > 1e-6)
        return std::nullopt;
    return int(std::nearbyint(tenths));
}

}  // namespace

bool parseChartOptions(const std::vector<std::string>& args, ChartOptions& options, std::string& error) {
    std::vector<std::string> rest;
    bool tolerance = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "--png" && a != "--tolerance") {
            rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = a + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        if (a == "--png") {
            options.png = value;
            continue;
        }
        tolerance = true;
        options.toleranceTenths = toleranceTenths(value);
        if (!options.toleranceTenths) {
            error = "the tolerance must be a number of CIELAB units from 1 to 20, in tenths";
            return false;
        }
    }
    if (!parseConvertOptions(rest, options.display, error)) return false;
    std::vector<std::string>& words = options.display.words;
    const auto chart = words.empty() ? std::nullopt : chartNamed(words.front());
    if (!chart) {
        error = "chart needs hue, value, tolerance or colorchecker";
        return false;
    }
    options.chart = *chart;
    words.erase(words.begin());
    if (tolerance && options.chart != ChartKind::Tolerance) {
        error = "--tolerance is for the tolerance chart";
        return false;
    }
    if (!words.empty()) {
        const auto form = workspace::entryForm(words.front());
        if (!form || int(words.size()) - 1 != workspace::valueCount(*form)) {
            error = "chart takes a FORM and its values, as convert does, or none for the start-up colour";
            return false;
        }
    }
    if (options.png.empty()) {
        error = "chart needs --png FILE";
        return false;
    }
    return true;
}

}  // namespace tintara::cli
