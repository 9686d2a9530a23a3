#include "convert_command.h"

#include "cli_window.h"
#include "exit_codes.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "textio/formats.h"
#include "textio/printstyle.h"
#include "ui/headless/headless_platform.h"
#include "workspace/form1.h"
#include "workspace/typed_entry.h"

namespace tintara::cli {

using workspace::EntryForm;
using workspace::Form1;

namespace {

// Blanks, tabs and commas all separate the values of one batch line.
std::vector<std::string> splitValues(const std::string& line) {
    std::vector<std::string> values;
    std::string current;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == ',' || c == '\r') {
            if (!current.empty()) values.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) values.push_back(std::move(current));
    return values;
}

void appendRow(std::string& out, const Form1& window, const std::string& message) {
    const auto fields = workspace::shownFields(window);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        const bool last = i + 1 == fields.size();
        out += textio::csvField(last && !message.empty() ? message : fields[i].second);
    }
    out += '\n';
}

int convertOne(Form1& window, EntryForm form, const std::vector<std::string>& values) {
    if (int(values.size()) != workspace::valueCount(form)) {
        std::cerr << "tintara-cli: this form takes " << workspace::valueCount(form) << " values\n";
        return exitUsage;
    }
    workspace::typeEntry(window, form, values);
    if (!workspace::refusalOf(window).empty()) {
        std::cerr << workspace::refusalOf(window) << '\n';
        return exitRefused;
    }
    printFields(window);
    return exitDone;
}

int convertBatch(Form1& window, EntryForm form) {
    std::string out;
    const auto header = workspace::shownFields(window);
    for (std::size_t i = 0; i < header.size(); ++i) out += (i ? "," : "") + header[i].first;
    out += '\n';
    int refused = 0;
    std::string line;
    while (std::getline(std::cin, line)) {
        const auto values = splitValues(line);
        if (values.empty()) continue;
        std::string message;
        if (int(values.size()) != workspace::valueCount(form)) {
            message = "expected " + std::to_string(workspace::valueCount(form)) + " values";
        } else {
            workspace::typeEntry(window, form, values);
            message = workspace::refusalOf(window);
        }
        if (!message.empty()) ++refused;
        appendRow(out, window, message);
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return refused ? exitRefused : exitDone;
}

}  // namespace

void printFields(const Form1& window) {
    std::string out;
    for (const auto& [name, text] : workspace::shownFields(window)) out += name + "=" + text + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

int runSavePalette(const ConvertOptions& options, const char* argv0) {
    if (options.words.size() < 3) {
        std::cerr << "tintara-cli: save-palette needs FILE TAG FORM VALUES...\n";
        return exitUsage;
    }
    const auto form = workspace::entryForm(options.words[2]);
    const std::vector<std::string> values(options.words.begin() + 3, options.words.end());
    if (!form || int(values.size()) != workspace::valueCount(*form)) {
        std::cerr << "tintara-cli: save-palette needs a FORM and its values, as convert does\n";
        return exitUsage;
    }
    CliWindow cli;
    if (!cli.start(options, argv0)) return exitStartFailed;
    Form1& window = cli.window();
    workspace::typeEntry(window, *form, values);
    if (!workspace::refusalOf(window).empty()) {
        std::cerr << workspace::refusalOf(window) << '\n';
        return exitRefused;
    }
    if (!workspace::saveToPalette(window, options.words[0], options.words[1])) return exitRefused;
    printFields(window);
    return exitDone;
}

int runConvert(const ConvertOptions& options, const char* argv0) {
    if (options.words.empty()) {
        std::cerr << "tintara-cli: convert needs a FORM (munsell, xyz, xy, lab, rgb or cmyk)\n";
        return exitUsage;
    }
    const auto form = workspace::entryForm(options.words.front());
    if (!form) {
        std::cerr << "tintara-cli: unknown form " << options.words.front() << '\n';
        return exitUsage;
    }
    CliWindow cli;
    if (!cli.start(options, argv0)) return exitStartFailed;
    const std::vector<std::string> values(options.words.begin() + 1, options.words.end());
    return values.empty() ? convertBatch(cli.window(), *form) : convertOne(cli.window(), *form, values);
}

}  // namespace tintara::cli
