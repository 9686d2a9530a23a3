#include "cli/cli_options.h"

#include "textio/numberread.h"

namespace tintara::cli {

namespace {
// The range of the window's gamma box.
constexpr double minimumGamma = 1, maximumGamma = 3;

std::optional<colorimetry::Condition> illuminantNamed(const std::string& name) {
    if (name == "C" || name == "c") return colorimetry::Condition::C2;
    if (name == "D50" || name == "d50") return colorimetry::Condition::D50_2;
    if (name == "D65" || name == "d65") return colorimetry::Condition::D65_10;
    return std::nullopt;
}
}  // namespace

bool parseConvertOptions(const std::vector<std::string>& args, ConvertOptions& options, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--illuminant") {
            if (!value(v)) return false;
            const auto condition = illuminantNamed(v);
            if (!condition) {
                error = "unknown illuminant " + v + " (use C, D50 or D65)";
                return false;
            }
            options.illuminant = *condition;
        } else if (a == "--pwd") {
            options.pwd = true;
        } else if (a == "--gamma") {
            if (!value(v)) return false;
            const double gamma = textio::isPlainDecimal(v) ? textio::parseNumber(v).value_or(0) : 0;
            if (gamma < minimumGamma || gamma > maximumGamma) {
                error = "--gamma must be a plain decimal number from 1 to 3, not " + v;
                return false;
            }
            options.gamma = v;
        } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
            error = "unknown option " + a;
            return false;
        } else {
            options.words.push_back(a);
        }
    }
    return true;
}

}  // namespace tintara::cli
