// The image window opened from a freshly started main window, headless, in a
// working folder of its own: the pictures its files hold are handed to the
// headless picture source, and the window's timer runs on a time of its own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "imaging/form2.h"
#include "ui/headless/headless_timers.h"
#include "workspace/main_window_fixture.h"

namespace tintara::testkit {

// A picture of one colour with rectangles painted on it.
struct Patch {
    int x, y, width, height;
    ui::Rgb colour;
};
inline ui::Image pictureOf(int width, int height, ui::Rgb ground, const std::vector<Patch>& patches = {}) {
    ui::Image picture(width, height, ground);
    for (const Patch& p : patches)
        for (int y = p.y; y < p.y + p.height; ++y)
            for (int x = p.x; x < p.x + p.width; ++x) picture.setPixel(x, y, p.colour);
    return picture;
}

// The start-up picture of these tests: 40 x 30, a mid grey with a brick red
// square at its left and a blue one at its right.
inline constexpr ui::Rgb testGround{120, 120, 120}, testBrick{160, 70, 60}, testBlue{60, 90, 170};
inline ui::Image testImage() {
    return pictureOf(40, 30, testGround, {{4, 4, 12, 12, testBrick}, {24, 4, 12, 12, testBlue}});
}

class ImageWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        start();
        w().show();
    }
    // What the shipped TestImage.jpg holds in these tests.
    void shipTestImage(ui::Image picture) {
        headless.pictures.addFile(testLocations(folder.path()).shipped(imaging::testImageName).string(),
                                  std::move(picture));
    }
    // Ticks "Image Analysis" as a person does: the window is made and opens
    // with TestImage.jpg.
    imaging::Form2& open(ui::Image startUpPicture = testImage()) {
        shipTestImage(std::move(startUpPicture));
        w().Check6.click();
        return form();
    }
    imaging::Form2& form() { return companions->imageAnalysis(); }
    // The pointer pressed or moved at a pixel of the picture area, as the
    // screen reports it.
    void click(double x, double y) { form().Picture1.pointerDown(ui::MouseButton::Left, 0, x, y); }
    void move(double x, double y) { form().Picture1.pointerMove(ui::MouseButton::None, 0, x, y); }
    ui::HeadlessTimers& timers() {
        if (!timers_) timers_ = std::make_unique<ui::HeadlessTimers>(form(), &headless.clock);
        return *timers_;
    }
    // The marked block is restored once its time has passed.
    void waitForTheMark() { timers().advance(imaging::blockMarkMs); }
    // A picture file the file dialog will choose.
    void offerFile(const std::string& path, ui::Image picture) {
        headless.pictures.addFile(path, std::move(picture));
        headless.dialogs.answerFile(path);
    }
    ui::Rgb shown(int x, int y) {
        ui::Rgb c;
        EXPECT_TRUE(form().Picture1.surface().pixel(x, y, c)) << x << "," << y;
        return c;
    }
    std::vector<std::string> messages() const { return headless.dialogs.messages(); }

    std::unique_ptr<ui::HeadlessTimers> timers_;  // goes before the window
};

}  // namespace tintara::testkit
