// A soak through the main window: a long run of random entries typed the way a
// person types them, in every entry form, with the bars moved and the swatch
// clicked, under every illuminant, PWD on and off, any display gamma, the
// STD/DE panel shown now and then, and the Hue page, Value page, tolerance
// chart and palette viewer open for part of the run. After every entry each
// box holds a number in its format (or the entry was refused, said so, and
// left every box as it was), the RGB state lies in 0..255 and is what the RGB
// boxes and the swatch show, and the open charts show the current colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "charts/CTol.h"
#include "charts/book.h"
#include "charts/book2.h"
#include "munsell/hue_notation.h"
#include "textio/formats.h"
#include "textio/numberread.h"
#include "viewer3d/form3.h"
#include "workspace/box_numbers.h"
#include "workspace/main_window_fixture.h"
#include "workspace/typed_entry.h"

namespace tintara::testkit {
namespace {

using workspace::EntryForm;

// What a person does next: type one of the six forms and press Enter, move one
// of the Munsell or RGB bars, or click the swatch.
enum class Move { Munsell, Xyz, Xy, Lab, Rgb, Cmyk, MunsellBar, RgbBar, Swatch };
constexpr const char* moveNames[] = {"Munsell", "XYZ",          "x y",      "L*a*b*",       "RGB",
                                     "CMYK",    "Munsell bars", "RGB bars", "swatch clicks"};
constexpr int moveKinds = 9;

long environmentNumber(const char* name, long otherwise) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : otherwise;
}

class Soak : public MainWindowTest {
protected:
    void SetUp() override { start(); }

    std::mt19937 random{std::uint32_t(environmentNumber("TINTARA_SOAK_SEED", 20261206))};

    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); }
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool chance(double p) { return uniform(0, 1) < p; }

    // A number as a person types it: up to three decimals, now and then
    // something that is no number or lies far outside the form's range.
    std::string typed(double low, double high) {
        static const char* const hostile[] = {"", "abc", "12abc", "1e3", "-", ".", "nan", "  ", "-0", "99999"};
        if (chance(0.01)) return hostile[whole(0, 9)];
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", whole(0, 3), uniform(low, high));
        return text;
    }
    std::string typedHue() {
        static const char* const families[] = {"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP",
                                               "r", "yr", "y", "gy", "g", "bg", "b", "pb", "p", "rp"};
        if (chance(0.01)) return chance(0.5) ? "12R" : "Q5";
        return typed(0, 10) + families[whole(0, 19)];
    }
    std::vector<std::string> valuesFor(EntryForm form) {
        switch (form) {
        case EntryForm::Munsell: return {typedHue(), typed(0, 10), typed(0, 30)};
        case EntryForm::Xyz: return {typed(0, 110), typed(0, 105), typed(0, 120)};
        case EntryForm::Xy: return {typed(0, 0.8), typed(0, 0.85), typed(0, 100)};
        case EntryForm::Lab: return {typed(-20, 105), typed(-130, 130), typed(-130, 130)};
        case EntryForm::Rgb: return {typed(0, 255), typed(0, 255), typed(0, 255)};
        case EntryForm::Cmyk: return {typed(0, 100), typed(0, 100), typed(0, 100), typed(0, 100)};
        }
        return {};
    }
    std::vector<ui::TextBox*> boxesOf(EntryForm form) {
        workspace::Form1& f = w();
        switch (form) {
        case EntryForm::Munsell: return {&f.Text12[0], &f.Text12[1], &f.Text12[2]};
        case EntryForm::Xyz: return {&f.Text11[0], &f.Text11[1], &f.Text11[2]};
        case EntryForm::Xy: return {&f.Text18[0], &f.Text18[1], &f.Text11[1]};
        case EntryForm::Lab: return {&f.Text15[0], &f.Text15[1], &f.Text15[2]};
        case EntryForm::Rgb: return {&f.Text1[0], &f.Text1[1], &f.Text1[2]};
        case EntryForm::Cmyk: return {&f.Text2[0], &f.Text2[1], &f.Text2[2], &f.Text2[3]};
        }
        return {};
    }

    // Types each value over the box's text, a key at a time, then presses
    // Enter in the form's first box. What the boxes held before Enter is kept
    // for the check of a refusal.
    void typeAndEnter(EntryForm form) {
        const auto boxes = boxesOf(form);
        const auto values = valuesFor(form);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            personsText[fieldOf(boxes[i])] = values[i];
            boxes[i]->gotFocus();
            boxes[i]->select(0, int(boxes[i]->text().size()));
            if (values[i].empty())
                boxes[i]->setText("");  // a person deletes the selection
            else
                boxes[i]->type(values[i]);
        }
        typedBoxes = texts();
        boxes.front()->gotFocus();
        boxes.front()->keyDown(ui::keyEnter);
    }

    void moveBar(ui::ScrollBar& bar) {
        const int low = std::min(bar.top(), bar.bottom()), high = std::max(bar.top(), bar.bottom());
        bar.setValue(whole(low, high));
    }
    // A pick with a component of 0 or 255 only fills the RGB boxes: the
    // picked numbers then stand there as if the person had typed them.
    void clickSwatch() {
        const ui::TwipRect r = w().Picture1.rect();
        const float x = float(uniform(0, r.width)), y = float(uniform(0, r.height));
        ui::Rgb picked;
        if (w().Picture1.colorAt(x, y, picked))
            for (int v : {picked.r, picked.g, picked.b})
                if (v == 0 || v == 255) {
                    personsText[11] = std::to_string(picked.r);
                    personsText[12] = std::to_string(picked.g);
                    personsText[13] = std::to_string(picked.b);
                }
        w().Picture1.mouseDown(ui::MouseButton::Left, 0, x, y);
    }
    // The 18 boxes in the order of shownFields.
    std::array<const ui::TextBox*, 18> boxes() {
        return {&w().Text12[0], &w().Text12[1], &w().Text12[2], &w().Text11[0], &w().Text11[1], &w().Text11[2],
                &w().Text18[0], &w().Text18[1], &w().Text15[0], &w().Text15[1], &w().Text15[2], &w().Text1[0],
                &w().Text1[1],  &w().Text1[2],  &w().Text2[0],  &w().Text2[1],  &w().Text2[2],  &w().Text2[3]};
    }
    std::size_t fieldOf(const ui::TextBox* box) {
        const auto all = boxes();
        return std::size_t(std::find(all.begin(), all.end(), box) - all.begin());
    }
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        out.reserve(18);
        for (const ui::TextBox* box : boxes()) out.push_back(box->text());
        return out;
    }

    Move play() {
        const Move move = Move(whole(0, moveKinds - 1));
        typedBoxes.clear();
        stateBefore = {w().rgbR, w().rgbG, w().rgbB};
        switch (move) {
        case Move::MunsellBar: moveBar(*std::array{&w().VScroll1, &w().VScroll2, &w().VScroll3}[whole(0, 2)]); break;
        case Move::RgbBar: moveBar(*std::array{&w().VScroll4, &w().VScroll5, &w().VScroll6}[whole(0, 2)]); break;
        case Move::Swatch: clickSwatch(); break;
        default: typeAndEnter(EntryForm(int(move)));
        }
        return move;
    }

    // The settings a person changes now and then between entries.
    void changeSettings() {
        if (chance(1.0 / 150)) workspace::chooseIlluminant(w(), colorimetry::Condition(whole(0, 2)));
        if (chance(1.0 / 200)) w().Check1.click();
        if (chance(1.0 / 300)) {
            char gamma[8];
            std::snprintf(gamma, sizeof gamma, "%.1f", uniform(1, 3));
            ASSERT_TRUE(workspace::typeGamma(w(), gamma));
        }
        if (chance(1.0 / 300)) moveBar(w().VScroll8);
        if (chance(1.0 / 500)) w().Command4.click();
    }

    // What is wrong with the window after an entry; empty when nothing is.
    std::string problems() {
        std::string found;
        auto wrong = [&](const std::string& what) { found += (found.empty() ? "" : "; ") + what; };
        const auto shown = texts();
        const std::string& refusal = workspace::refusalOf(w());
        if (!refusal.empty() && !typedBoxes.empty()) {
            if (w().Text3.text() != refusal) wrong("refused without saying so: " + w().Text3.text());
            for (std::size_t i = 0; i < 18; ++i)
                if (shown[i] != typedBoxes[i])
                    wrong(fieldNames[i] + std::string(" changed by a refused entry: ") + typedBoxes[i] + " -> " +
                          shown[i]);
            if (stateBefore != std::array<int, 3>{w().rgbR, w().rgbG, w().rgbB})
                wrong("a refused entry changed the RGB state");
        } else if (!refusal.empty()) {
            // A bar moved or a swatch picked next to a box still holding what
            // the person typed is refused for that box, or leaves the colour
            // unconverted: either way the colour stays as it was.
            if (w().Text3.text() != refusal) wrong("refused without saying so: " + w().Text3.text());
            if (stateBefore != std::array<int, 3>{w().rgbR, w().rgbG, w().rgbB})
                wrong("the colour changed while the refusal stands");
        } else {
            checkNumbers(shown, wrong);
            checkRgb(wrong);
        }
        checkCharts(wrong);
        return found;
    }

    // A box the window wrote holds a number; a box may also still hold what
    // the person typed into it, which the window reads as far as it is a number.
    template <class Wrong>
    void checkNumbers(const std::vector<std::string>& shown, Wrong wrong) {
        const auto hue = munsell::parseHue(shown[0]);
        if (shown[0] != personsText[0] && (!hue.familyFound || !(hue.hue >= 0 && hue.hue <= 100)))
            wrong("munsell.hue is no hue: \"" + shown[0] + "\"");
        for (std::size_t i = 1; i < 18; ++i)
            if (shown[i] != personsText[i] && !textio::parseNumber(shown[i]))
                wrong(fieldNames[i] + std::string(" is no number: \"") + shown[i] + "\"");
    }

    template <class Wrong>
    void checkRgb(Wrong wrong) {
        const int rgb[3] = {w().rgbR, w().rgbG, w().rgbB};
        const bool outside = w().Label19.caption() == "Out of RGB Range";
        if (!outside && !w().Label19.caption().empty()) wrong("gamut label: " + w().Label19.caption());
        for (int i = 0; i < 3; ++i) {
            if (rgb[i] < 0 || rgb[i] > 255) wrong("rgb state " + std::to_string(rgb[i]) + " outside 0..255");
            if (w().Text1[i].text() != std::to_string(rgb[i]) && w().Text1[i].text() != personsText[11 + i])
                wrong("RGB box " + w().Text1[i].text() + " but the state " + std::to_string(rgb[i]));
            if (outside && rgb[i] != 0) wrong("out of range yet not black");
        }
        ui::Rgb swatch;
        if (!w().deltaMode() && w().Picture1.surface().pixel(2, 2, swatch) &&
            !(swatch == ui::Rgb{std::uint8_t(rgb[0]), std::uint8_t(rgb[1]), std::uint8_t(rgb[2])}))
            wrong("the swatch shows " + std::to_string(swatch.r) + "," + std::to_string(swatch.g) + "," +
                  std::to_string(swatch.b) + " for " + std::to_string(rgb[0]) + "," + std::to_string(rgb[1]) + "," +
                  std::to_string(rgb[2]));
    }

    template <class Wrong>
    void checkCharts(Wrong wrong) {
        if (!chartsOpen) return;
        const std::string& hue = companions->hue().Label1[23].caption();
        if (hue != w().Text12[0].text()) wrong("the Hue page shows " + hue);
        const auto value = textio::parseNumber(w().Text12[1].text());
        const std::string valueCaption = "Value" + textio::format(float(value.value_or(0)), "   #.##");
        if (value && companions->valuePage().Label1.caption() != valueCaption)
            wrong("the Value page shows " + companions->valuePage().Label1.caption());
        // A refused L*a*b* leaves what was typed in its boxes and the chart as it was.
        if (refusedLab == std::array{w().Text15[0].text(), w().Text15[1].text(), w().Text15[2].text()}) return;
        for (int i = 0; i < 3; ++i) {
            const auto standard = textio::parseNumber(companions->tolerance().Text2[i].text());
            const auto lab = workspace::numberOf(w().Text15[i].text());
            // Both are the same L*a*b* to two decimals; the box may hold what was typed.
            if (!standard || !lab || std::fabs(*standard - *lab) > 0.0051)
                wrong("the tolerance chart's standard " + companions->tolerance().Text2[i].text() + " for " +
                      w().Text15[i].text());
        }
        if (companions->paletteViewer().tables().palCount != 3) wrong("the viewer lost its palette");
    }

    void openCharts() {
        folder.write("newpalette2.csv",
                     "\"12-06-2026\",\"09:30:00\",\"a\",\"5R\",\"4\",\"10\",1,2,3,4,5,6,7,8,9,1,2,3,4\r\n"
                     "\"12-06-2026\",\"09:30:00\",\"b\",\"5G\",\"6\",\"8\",1,2,3,4,5,6,7,8,9,1,2,3,4\r\n"
                     "\"12-06-2026\",\"09:30:00\",\"c\",\"5PB\",\"3\",\"6\",1,2,3,4,5,6,7,8,9,1,2,3,4\r\n");
        for (ui::CheckBox* box : {&w().Check2, &w().Check4, &w().Check3, &w().Check7}) box->click();
        chartsOpen = true;
    }
    void closeCharts() {
        for (ui::CheckBox* box : {&w().Check2, &w().Check4, &w().Check3, &w().Check7}) box->click();
        chartsOpen = false;
    }

    static constexpr const char* fieldNames[18] = {
        "munsell.hue", "munsell.value", "munsell.chroma", "xyz.X", "xyz.Y", "xyz.Z",  "xy.x",   "xy.y",   "lab.L",
        "lab.a",       "lab.b",         "rgb.R",          "rgb.G", "rgb.B", "cmyk.C", "cmyk.M", "cmyk.Y", "cmyk.K"};
    std::vector<std::string> typedBoxes;
    std::array<std::string, 18> personsText;  // the last text the person put in each box
    std::array<int, 3> stateBefore{};
    std::array<std::string, 3> refusedLab;
    bool chartsOpen = false;
};

TEST_F(Soak, RandomEntriesInEveryFormLeaveEveryBoxReadableAndEveryChartShowingTheColour) {
    const long entries = environmentNumber("TINTARA_SOAK_ENTRIES", 200000);
    // The charts redraw after most entries and cost some thirty entries each:
    // they are open for this many entries at the start of the run, where a
    // fault they bring out shows within seconds.
    const long withCharts = environmentNumber("TINTARA_SOAK_CHART_ENTRIES", 500);
    const long chartsFrom = 0, chartsTo = withCharts;
    std::printf("soak: seed %ld, %ld entries, charts open for entries %ld to %ld\n",
                environmentNumber("TINTARA_SOAK_SEED", 20261206), entries, chartsFrom, chartsTo - 1);
    long count[moveKinds] = {}, refused[moveKinds] = {};
    int failures = 0;
    const auto began = std::chrono::steady_clock::now();
    for (long entry = 0; entry < entries && failures < 10; ++entry) {
        if (entry == chartsFrom && withCharts > 0) openCharts();
        if (entry == chartsTo && chartsOpen) closeCharts();
        changeSettings();
        const Move move = play();
        ++count[int(move)];
        if (!workspace::refusalOf(w()).empty() && !typedBoxes.empty()) {
            ++refused[int(move)];
            if (move == Move::Lab) refusedLab = {w().Text15[0].text(), w().Text15[1].text(), w().Text15[2].text()};
        }
        const std::string wrong = problems();
        if (!wrong.empty()) {
            ++failures;
            std::string typed;
            for (const std::string& text : typedBoxes) typed += text + " ";
            ADD_FAILURE() << "entry " << entry << " (" << moveNames[int(move)] << ", typed: " << typed
                          << "): " << wrong;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    for (int i = 0; i < moveKinds; ++i)
        std::printf("soak: %-13s %7ld entries, %5ld refused\n", moveNames[i], count[i], refused[i]);
    std::printf("soak: %.1f s\n", seconds);
}

}  // namespace
}  // namespace tintara::testkit
