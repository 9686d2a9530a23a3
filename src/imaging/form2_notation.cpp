// The notation of the block under the pointer: on a click, or following the
// pointer, with the block marked on screen until blockMarkMs have passed.
#include <cmath>

#include "imaging/form2.h"
#include "imaging/pointer_block.h"
#include "textio/numbertext.h"

namespace tintara::imaging {

namespace {

// The pixel holding a pointer position, kept far inside the range of int; a
// position that is no number holds none.
std::optional<int> pixelOf(float position) {
    if (!std::isfinite(position)) return std::nullopt;
    constexpr float farOutside = 1 << 30;
    return int(std::floor(std::fmax(-farOutside, std::fmin(farOutside, position))));
}

std::string channels(ui::Rgb c) {
    return std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b);
}

}  // namespace

void Form2::Picture1_MouseDown(ui::MouseButton, int, float X, float Y) {
    if (clickMode_) showPixelNotation(X, Y);
}

void Form2::Picture1_MouseMove(ui::MouseButton, int, float X, float Y) {
    if (!clickMode_) showPixelNotation(X, Y);
}

// While a block is marked, or a palette is being written through the main
// window, the pointer samples nothing.
void Form2::showPixelNotation(float X, float Y) {
    const auto x = pixelOf(X), y = pixelOf(Y);
    if (!x || !y || picture_.empty() || samplingBusy_ || generating_) return;
    samplingBusy_ = true;
    markBlock(*x, *y, sampleHalf_);
    const ui::Rgb average = pointerBlockAverage(picture_, *x, *y, sampleHalf_);
    // A channel at 0 or 255 is black or a colour the picture clipped: the
    // main window keeps the colour it shows.
    const bool converted = !clippedAverage(average);
    if (converted) {
        main_.Text1[0].setText(std::to_string(average.r));
        main_.Text1[1].setText(std::to_string(average.g));
        main_.Text1[2].setText(std::to_string(average.b));
        main_.Command6_Click();
    }
    showBlockLines(average, converted, *x, *y);
    blockTimer.setEnabled(true);
}

std::string Form2::notationLine() const {
    return "Hue = " + main_.Text12[0].text() + "   Value = " + main_.Text12[1].text() +
           "   Chroma = " + main_.Text12[2].text();
}

void Form2::showBlockLines(ui::Rgb average, bool converted, int x, int y) {
    Text5.setText(converted ? notationLine() : "Not converted: " + channels(average) + " has a channel at 0 or 255");
    Text6.setText("Position  X =" + textio::signedWhole(x) + "  Y =" + textio::signedWhole(y));
    Text7.setBackColor(average);
}

// Inverting a pixel twice gives it back, whatever was drawn on it between.
void Form2::markBlock(int x, int y, int half) {
    ui::Surface& surface = Picture1.surface();
    for (long long j = static_cast<long long>(y) - half; j <= static_cast<long long>(y) + half; ++j)
        for (long long i = static_cast<long long>(x) - half; i <= static_cast<long long>(x) + half; ++i)
            if (i >= 0 && j >= 0 && i < surface.width() && j < surface.height()) surface.invertPixel(int(i), int(j));
    Picture1.refresh();
    marked_ = MarkedBlock{x, y, half};
}

void Form2::restoreBlock() {
    if (!marked_) return;
    const MarkedBlock block = *marked_;
    marked_.reset();
    markBlock(block.x, block.y, block.half);
    marked_.reset();
}

void Form2::blockTimer_Timer() {
    blockTimer.setEnabled(false);
    restoreBlock();
    samplingBusy_ = false;
}

void Form2::mnuMouseClick_Click() {
    clickMode_ = true;
    mnuMouseClick.setChecked(true);
    mnuContinuous.setChecked(false);
}

void Form2::mnuContinuous_Click() {
    clickMode_ = false;
    mnuMouseClick.setChecked(false);
    mnuContinuous.setChecked(true);
}

void Form2::mnuSample_Click(int index) {
    sampleHalf_ = sampleSizes[std::size_t(index)].half;
    sampleCount_ = sampleSizes[std::size_t(index)].count;
    for (int i = 0; i < int(mnuSample.size()); ++i) mnuSample[std::size_t(i)].setChecked(i == index);
}

}  // namespace tintara::imaging
