#include "convert_command.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/batch_line.h"
#include "cli/strict_values.h"
#include "cli_window.h"
#include "exit_codes.h"
#include "textio/printstyle.h"
#include "workspace/form1.h"
#include "workspace/typed_entry.h"

namespace tintara::cli {

using workspace::EntryForm;
using workspace::Form1;

namespace {

// One CSV line of the fields; a refused entry has every field empty but the
// note, which holds the reason.
void appendRow(std::string& out, const Form1& window, const std::string& refusal) {
    const auto fields = workspace::shownFields(window);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        const bool note = i + 1 == fields.size();
        if (refusal.empty()) out += textio::csvField(fields[i].second);
        if (note && !refusal.empty()) out += textio::csvField(refusal);
    }
    out += '\n';
}

// Types the entry when its values are as the command line takes them and the
// window takes it; the reason otherwise.
std::string enter(Form1& window, EntryForm form, const std::vector<std::string>& values) {
    const CheckedValues checked = checkedValues(form, values);
    if (!checked.refusal.empty()) return checked.refusal;
    workspace::typeEntry(window, form, checked.typed);
    return workspace::refusalOf(window);
}

bool wrongCount(EntryForm form, const std::vector<std::string>& values, const char* command) {
    if (int(values.size()) == workspace::valueCount(form)) return false;
    std::cerr << "tintara-cli: " << command << ": this form takes " << workspace::valueCount(form)
              << " values (see tintara-cli " << command << " --help)\n";
    return true;
}

int convertOne(Form1& window, EntryForm form, const std::vector<std::string>& values) {
    if (wrongCount(form, values, "convert")) return exitUsage;
    const std::string refusal = enter(window, form, values);
    if (!refusal.empty()) {
        std::cerr << refusal << '\n';
        return exitRefused;
    }
    printFields(window);
    return exitDone;
}

// No entry comes near this; a longer line is no entry, and is not read whole.
constexpr std::size_t longestEntryLine = 64 * 1024;

// The next line of the entries without its end; false at the end of the
// input. A line longer than longestEntryLine is left there, with tooLong set.
bool readEntryLine(std::istream& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    std::streambuf& input = *in.rdbuf();
    int c = input.sbumpc();
    if (c == std::char_traits<char>::eof()) return false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = input.sbumpc()) {
        if (line.size() == longestEntryLine) {
            tooLong = true;
            return true;
        }
        line += char(c);
    }
    return true;
}

int convertBatch(Form1& window, EntryForm form) {
    std::string out;
    const auto header = workspace::shownFields(window);
    for (std::size_t i = 0; i < header.size(); ++i) out += (i ? "," : "") + header[i].first;
    out += '\n';
    int refused = 0;
    std::string line;
    bool tooLong = false;
    long lineNumber = 0;
    for (bool first = true; readEntryLine(std::cin, line, tooLong); first = false) {
        ++lineNumber;
        if (tooLong) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            std::cerr << "tintara-cli: line " << lineNumber << " of the entries is longer than " << longestEntryLine
                      << " characters; it and the lines after it were not read\n";
            return exitRefused;
        }
        const auto values = batchValues(first ? withoutByteOrderMark(line) : line);
        if (values.empty()) continue;
        const std::string refusal = enter(window, form, values);
        if (!refusal.empty()) ++refused;
        appendRow(out, window, refusal);
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return refused ? exitRefused : exitDone;
}

bool holdsLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

void printFields(const Form1& window) {
    std::string out;
    for (const auto& [name, text] : workspace::shownFields(window)) out += name + "=" + text + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

int runSavePalette(const ConvertOptions& options, const char* argv0) {
    if (options.words.size() < 3) {
        std::cerr << "tintara-cli: save-palette needs FILE TAG FORM VALUES... (see tintara-cli save-palette --help)\n";
        return exitUsage;
    }
    const auto form = workspace::entryForm(options.words[2]);
    if (!form) {
        std::cerr << "tintara-cli: unknown form " << options.words[2] << " (munsell, xyz, xy, lab, rgb or cmyk)\n";
        return exitUsage;
    }
    const std::vector<std::string> values(options.words.begin() + 3, options.words.end());
    if (wrongCount(*form, values, "save-palette")) return exitUsage;
    // A line break would split the record in two.
    if (holdsLineBreak(options.words[1])) {
        std::cerr << "The tag must not hold a line break\n";
        return exitRefused;
    }
    CliWindow cli;
    if (!cli.start(options, argv0)) return exitStartFailed;
    Form1& window = cli.window();
    const std::string refusal = enter(window, *form, values);
    if (!refusal.empty()) {
        std::cerr << refusal << '\n';
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
        std::cerr << "tintara-cli: unknown form " << options.words.front() << " (munsell, xyz, xy, lab, rgb or cmyk)\n";
        return exitUsage;
    }
    const std::vector<std::string> values(options.words.begin() + 1, options.words.end());
    if (!values.empty() && wrongCount(*form, values, "convert")) return exitUsage;
    CliWindow cli;
    if (!cli.start(options, argv0)) return exitStartFailed;
    return values.empty() ? convertBatch(cli.window(), *form) : convertOne(cli.window(), *form, values);
}

}  // namespace tintara::cli
