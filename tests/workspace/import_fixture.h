// The main window in its service mode, with the sample files a person would
// put in the working folder, the answers they would give and a disk that can
// fill up.
#pragma once

#include <string>
#include <vector>

#include "datafiles/whole_file.h"
#include "full_disk.h"
#include "main_window_fixture.h"
#include "workspace/typed_entry.h"

namespace tintara::testkit {

// Lines ended by CR LF, as the program writes them.
inline std::string crlf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// The tolerance chart, as it was first drawn, lowers chart mode after its own
// conversions instead of putting it back.
class ChartThatLowersChartMode : public workspace::CompanionWindows {
public:
    explicit ChartThatLowersChartMode(workspace::Form1& w) : w_(w) {}
    bool available(workspace::Companion) const override { return true; }
    void show(workspace::Companion) override {}
    void hide(workspace::Companion) override {}
    bool visible(workspace::Companion) const override { return true; }
    void fillbook() override {}
    void plotvalue(float) override {}
    void MakeCTol(float, float, float) override {
        ++drawn;
        w_.chartMode = false;
    }
    void fillCC() override {}
    void GetData(int) override {}
    int drawn = 0;

private:
    workspace::Form1& w_;
};

class ServiceModeTest : public MainWindowTest {
protected:
    void SetUp() override {
        start();
        headless.clock.setDate({2026, 3, 7, 9, 5, 4});
    }
    // Typing the code into the message line shows "Import" and "Make Table".
    void openServiceMode() {
        w().Text3.select(0, int(w().Text3.text().size()));
        w().Text3.type("kqv");
        ASSERT_TRUE(w().import.visible());
    }
    // "Import", answering "Type import" with the code and the questions after
    // it (the palette name) with `then`.
    void pressImport(const std::string& code, std::initializer_list<std::string> then = {}) {
        openServiceMode();
        headless.dialogs.answerInput(code);
        for (const auto& answer : then) headless.dialogs.answerInput(answer);
        w().import.click();
    }
    std::vector<std::string> messages() const { return headless.dialogs.messages(); }
    std::string lastMessage() const {
        const auto shown = headless.dialogs.messages();
        return shown.empty() ? "(none)" : shown.back();
    }
    // Files in the working folder: a temporary output left behind shows here.
    int files() const { return int(std::distance(std::filesystem::directory_iterator(folder.path()), {})); }
};

}  // namespace tintara::testkit
