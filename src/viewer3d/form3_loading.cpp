// Loading a palette: the file chosen, every record read and converted through
// the main window, the list and the tables filled, the file remembered.
#include <algorithm>
#include <cmath>
#include <fstream>

#include "datafiles/last_palette.h"
#include "datafiles/palette_list_line.h"
#include "datafiles/palette_reader.h"
#include "textio/numbertext.h"
#include "viewer3d/form3.h"

namespace tintara::viewer3d {

namespace {

constexpr ui::Rgb loadingYellow{255, 255, 0};
constexpr ui::Rgb loadedGreen{0, 255, 0};
constexpr ui::Rgb failedRed{255, 160, 160};
// Pending events run after entries 1, 502, 1003 ...: often enough to keep the
// window alive, seldom enough not to slow the load down.
constexpr int entriesBetweenEvents = 500;
constexpr const char* fileFilter = "DataBase Files (*.csv)|*.csv";
constexpr const char* formatError = "File format Error or Palette not generated";

}  // namespace

// While the records are read: the main window hidden, the list hidden, the
// controls that start another load disabled and the progress bar shown. All of
// it is undone on every way out of the load.
class Form3::LoadScope {
public:
    explicit LoadScope(Form3& form) : form_(form), mainShown_(form.main_.visible()) {
        form_.loading_ = true;
        form_.mnuFileOpen.setEnabled(false);
        form_.List1.setVisible(false);
        form_.main_.hide();
        form_.showProgress(0);
    }
    ~LoadScope() {
        form_.ProgressTrough.setVisible(false);
        form_.ProgressFill.setVisible(false);
        form_.List1.setVisible(true);
        if (mainShown_) form_.main_.show();
        form_.Picture1.setVisible(true);
        form_.mnuFileOpen.setEnabled(true);
        form_.loading_ = false;
    }
    LoadScope(const LoadScope&) = delete;
    LoadScope& operator=(const LoadScope&) = delete;

private:
    Form3& form_;
    bool mainShown_;
};

std::string Form3::lastPaletteName() const {
    return datafiles::readLastPalette(files_.working(datafiles::lastPaletteFileName))
        .value_or(datafiles::defaultPaletteName);
}

void Form3::GetData(int mode) {
    if (loading_) {
        pendingMode_ = mode;
        return;
    }
    std::string fileName = lastPaletteName();
    if (mode == 2) {
        fileName = main_.paletteFile;
    } else if (mode != 1) {
        // Cancelling the dialog leaves the palette shown as it is.
        const auto chosen = platform_.dialogs.openFile(fileFilter, "Open Palette");
        if (!chosen) return;
        fileName = *chosen;
    }
    if (!visible()) show();
    load(fileName);
    if (const auto pending = std::exchange(pendingMode_, std::nullopt)) GetData(*pending);
}

// A file that cannot be opened leaves the palette shown as it was; a broken
// record keeps the entries read before it.
bool Form3::load(const std::string& fileName) {
    const std::filesystem::path path = files_.workingDir / fileName;
    std::error_code ec;
    std::ifstream in;
    if (!fileName.empty() && std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
    if (!in.is_open() || !in) {
        failLoad(fileName, fileName.empty() ? "No palette has been saved yet." : "The file cannot be opened.");
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    bool whole = false;
    {
        const LoadScope scope(*this);
        Text1.setText("Loading Palette " + fileName);
        Text1.setBackColor(loadingYellow);
        List1.clear();
        platform_.events.doEvents();
        whole = readRecords(in, fileName, ec ? 0 : size);
    }
    if (!whole) return false;
    if (visible()) bringToFront();
    loadError_.clear();
    Text1.setText("Loaded Palette " + fileName);
    Text1.setBackColor(loadedGreen);
    platform_.events.doEvents();
    drawPalette();
    if (remembersLastPalette_) rememberPalette(fileName);
    return true;
}

bool Form3::readRecords(std::istream& in, const std::string& fileName, std::uintmax_t size) {
    datafiles::PaletteReader reader(in);
    datafiles::PaletteEntry entry;
    pal_.palCount = 0;
    drawnCount_ = 0;
    hueLabels_.clear();
    ++paletteRevision_;
    int yieldMark = 0;
    for (;;) {
        const auto outcome = reader.next(entry);
        if (outcome == datafiles::PaletteReader::Outcome::End) return true;
        std::string problem = reader.problem();
        if (outcome == datafiles::PaletteReader::Outcome::Entry && takeEntry(entry, problem)) {
            if (pal_.palCount == paletteCapacity) {
                if (!reader.atEnd())
                    platform_.dialogs.messageBox("Palette limited to 10000", ui::MessageButtons::OK,
                                                 ui::MessageIcon::Exclamation, caption());
                return true;
            }
        } else {
            failLoad(fileName, "Line " + std::to_string(reader.lineNumber()) + ": " + problem + ".");
            return false;
        }
        // The count and the bar reach the screen only when events run, so
        // they are brought up to date just before.
        if (pal_.palCount > yieldMark) {
            Text1.setText("Loading Palette " + fileName + "  " + textio::signedNumber(float(pal_.palCount)));
            if (size > 0) showProgress(double(std::max<std::streamoff>(in.tellg(), 0)) / double(size));
            platform_.events.doEvents();
            yieldMark = pal_.palCount + entriesBetweenEvents;
        }
    }
}

// An entry counts only once it has been read and converted whole, so a broken
// record never shows as a dot.
bool Form3::takeEntry(const datafiles::PaletteEntry& entry, std::string& problem) {
    const int n = pal_.palCount + 1;
    main_.Text12[0].setText(entry.hue);
    main_.Text12[1].setText(entry.valueText);
    main_.Text12[2].setText(entry.chromaText);
    main_.vezedu();
    if (!main_.refusal().empty()) {
        problem = main_.refusal();
        if (!problem.empty() && problem.back() == '.') problem.pop_back();
        return false;
    }
    // A hue text that names no family (a neutral) stands at angle 0, never at
    // the angle an earlier palette left in the slot.
    pal_.palHVC[n][0] = entry.angle.value_or(0.0f);
    pal_.palHVC[n][1] = entry.value;
    pal_.palHVC[n][2] = entry.chroma;
    pal_.palName[n] = entry.name;
    const auto width = [this](const std::string& text) { return listTextWidth(text); };
    pal_.palHue[n] = hueLabel(entry.hue);
    pal_.palRGB[n] = ui::clampedRgb(main_.rgbR, main_.rgbG, main_.rgbB);
    pal_.palCount = n;
    ++paletteRevision_;
    List1.addItem(datafiles::paletteListLine(n, entry.name, pal_.palHue[n], entry.value, entry.chroma, width));
    return true;
}

int Form3::listTextWidth(const std::string& text) const { return platform_.text.textWidth(text, List1.font()); }

// A palette repeats a few hue notations many times; each is measured once a load.
const std::string& Form3::hueLabel(const std::string& hueText) {
    auto [at, added] = hueLabels_.try_emplace(hueText);
    if (added)
        at->second = datafiles::paletteHueLabel(hueText, [this](const std::string& t) { return listTextWidth(t); });
    return at->second;
}

void Form3::showProgress(double fraction) {
    const ui::TwipRect trough = ProgressTrough.rect();
    const int pixels = int(std::clamp(fraction, 0.0, 1.0) * (trough.width / ui::twipsPerPixel));
    ProgressTrough.setVisible(true);
    ProgressFill.setVisible(true);
    if (ProgressFill.rect().width != pixels * ui::twipsPerPixel)
        ProgressFill.setRect({trough.left, trough.top, pixels * ui::twipsPerPixel, trough.height});
}

void Form3::failLoad(const std::string& fileName, const std::string& detail) {
    loadError_ = formatError + fileName + "\n" + detail;
    if (loading_) {
        Text1.setText("Stopped reading " + fileName + " after " + std::to_string(pal_.palCount) +
                      (pal_.palCount == 1 ? " entry" : " entries"));
        Text1.setBackColor(failedRed);
    }
    platform_.dialogs.messageBox(loadError_, ui::MessageButtons::OK, ui::MessageIcon::Critical, caption());
}

void Form3::rememberPalette(const std::string& fileName) {
    std::string error;
    if (!datafiles::writeLastPalette(files_.working(datafiles::lastPaletteFileName), fileName, error, main_.writeSeam))
        platform_.dialogs.messageBox(error, ui::MessageButtons::OK, ui::MessageIcon::Critical, caption());
}

}  // namespace tintara::viewer3d
