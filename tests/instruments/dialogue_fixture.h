// A main window's view of the dialogues: a scripted instrument behind the
// port, scripted dialogs, a clock that moves on at every reading, and the
// message line as it was written.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "instrument_replies.h"
#include "instruments/dialogue.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_serial_port.h"

namespace tintara::instruments::testkit {

// One rule of a scripted instrument: its reply to a command, a second part
// that follows two polls later, how often it answers (-1: always) and how many
// seconds it takes. An empty command makes the port refuse to open, the reply
// being the reason.
struct Say {
    std::string when, reply, later = {};
    int times = -1;
    double after = 0;
};
using Script = std::vector<Say>;
using Texts = std::vector<std::string>;
enum class Where { Nowhere, Box, Line, Both };

// A dialogue that fails: its message, where it shows, how a measurement ends
// and, for "Import", the file chosen (none: the file dialog is cancelled).
struct Failure {
    std::string name;
    Script script;
    std::string message;
    Where where;
    MeasureEnd end = MeasureEnd::EarlyExit;
    std::optional<std::string> importText = {};
};

// A dialogue's surroundings with `Port` playing the instrument: scripted
// dialogs, the clock, the message line as it was written, and the curve.
template <class Port>
class Dialogues : public ::testing::Test {
protected:
    MeasureEnd run(const std::string& instName) { return measure(instName, context, state, refl); }
    void expectCurve(Curve expected) const {
        for (std::size_t i = 1; i <= 40; ++i) EXPECT_FLOAT_EQ(refl[i], float(expected(i))) << "index " << i;
    }

    ui::HeadlessClock clock;
    Port port{clock};
    ui::HeadlessDialogs dialogs;
    ui::HeadlessEvents events;
    Texts lines;  // the message line, every text it was given
    std::string caption;
    DialogueContext context{port,
                            dialogs,
                            clock,
                            events,
                            1,
                            [this](const std::string& text) { lines.push_back(text); },
                            [this](const std::string& text) { caption = text; }};
    MeasureState state;
    Reflectance refl{};
};

class DialogueTest : public Dialogues<ui::ScriptedSerialPort> {
protected:
    DialogueTest() {
        // A run that was stopped may have left a pipe or a folder in its place.
        std::filesystem::remove_all(importPath);
        clock.advanceOnRead(0.05);
        fresh({});
    }
    ~DialogueTest() override { std::filesystem::remove_all(importPath); }

    // A new instrument playing `script` behind a clean window and curve.
    void fresh(const Script& script) {
        port = ui::ScriptedSerialPort(clock);
        for (const Say& say : script) {
            if (say.when.empty()) port.failOpen(say.reply);
            if (say.when.empty()) continue;
            auto& rule = port.on(say.when, say.reply).times(say.times);
            if (!say.later.empty()) rule.followedBy(say.later, 2);
            if (say.after > 0) rule.afterSeconds(say.after);
        }
        lines.clear();
        dialogs.shown.clear();
        refl.fill(-1.0f);
    }
    void importFile(const std::string& text) {
        std::ofstream(importPath, std::ios::binary) << text;
        dialogs.answerFile(importPath.string());
    }

    Where whereShown(const std::string& text) const {
        const Texts boxes = dialogs.messages();
        const bool box = std::find(boxes.begin(), boxes.end(), text) != boxes.end();
        const bool line = std::find(lines.begin(), lines.end(), text) != lines.end();
        return static_cast<Where>(int(box) + 2 * int(line));
    }
    // The port was opened as often as it was closed, and is closed now.
    void expectClosed() const {
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(port.opens, port.closes);
    }

    std::filesystem::path importPath =
        std::filesystem::path(TINTARA_BINARY_DIR) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

}  // namespace tintara::instruments::testkit
