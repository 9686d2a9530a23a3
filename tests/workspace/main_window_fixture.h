// A freshly started main window driven through the headless backend, in a
// working folder of its own.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/control_array.h"
#include "ui/headless/headless_platform.h"
#include "windows/window_set.h"
#include "workspace/form1.h"
#include "workspace/typed_entry.h"

namespace tintara::testkit {

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("tintara-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(path_ / name, std::ios::binary) << content;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path path_;
};

inline workspace::FileLocations testLocations(const std::filesystem::path& folder) {
    return workspace::FileLocations{folder, {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}};
}

// The texts of a set of boxes, joined by commas: "255,0,12".
inline std::string joined(const ui::ControlArray<ui::TextBox>& boxes) {
    std::string out;
    for (int i = 0; i < boxes.size(); ++i) out += (i ? "," : "") + boxes[i].text();
    return out;
}

inline void expectVisible(std::initializer_list<const ui::Control*> controls, bool visible) {
    for (const ui::Control* c : controls) EXPECT_EQ(c->visible(), visible) << c->name();
}

class MainWindowTest : public ::testing::Test {
protected:
    // Starts the window with the companion windows the programs give it; a
    // test that needs a configuration file writes it first.
    void start() {
        companions.reset();  // a second start: the old set unplugs itself from the old window
        window = std::make_unique<workspace::Form1>(headless.platform(), testLocations(folder.path()));
        companions = std::make_unique<windows::WindowSet>(*window, headless.platform(), testLocations(folder.path()));
        window->setCompanions(companions.get());
        std::string error;
        EXPECT_TRUE(window->Form_Load(error)) << error;
    }
    workspace::Form1& w() { return *window; }
    void enter(workspace::EntryForm form, std::vector<std::string> values) { workspace::typeEntry(w(), form, values); }
    std::vector<int> munsellBars() { return {w().VScroll1.value(), w().VScroll2.value(), w().VScroll3.value()}; }
    std::vector<int> rgbBars() { return {w().VScroll4.value(), w().VScroll5.value(), w().VScroll6.value()}; }

    ScratchFolder folder;
    ui::HeadlessPlatform headless;
    std::unique_ptr<workspace::Form1> window;
    std::unique_ptr<windows::WindowSet> companions;  // goes before the main window
};

// The window started as the programs start it, for tests that need nothing first.
class StartedWindowTest : public MainWindowTest {
protected:
    void SetUp() override { start(); }
};

}  // namespace tintara::testkit
