// The image window on real widgets, opened as the desktop program opens it:
// ticking "Image Analysis" makes the window, builds its view and shows the
// shipped TestImage.jpg; a click on a chip of the picture names its colour,
// the block stays inverted until Qt's timer restores it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "imaging/form2.h"
#include "munsell/hue_notation.h"
#include "qt/screenshot.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"
#include "windows/window_set.h"
#include "workspace/form1.h"

namespace tintara::ui::qt {
namespace {

class QtImageWindow : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(form.Form_Load(error)) << error;
        platform.attach(view);
        companions.onCreated = [this](Window& window) {
            views.push_back(std::make_unique<QtWindowView>(window));
            platform.attach(*views.back());
        };
        form.setCompanions(&companions);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
        QTest::mouseClick(view.widgetFor(form.Check6), Qt::LeftButton, {}, QPoint(6, 8));
        ASSERT_TRUE(companions.visible(workspace::Companion::ImageAnalysis));
        image = &companions.imageAnalysis();
        ASSERT_EQ(views.size(), 1u);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&imageView().widget()));
    }
    void TearDown() override { form.setCompanions(nullptr); }
    QtWindowView& imageView() { return *views.front(); }
    QString text(ui::TextBox& box) { return qobject_cast<QLineEdit*>(imageView().widgetFor(box))->text(); }
    QImage picture() { return imageView().widgetFor(image->Picture1)->grab().toImage(); }

    QTemporaryDir dir;
    AbsentSerialPort serial;
    QtPlatform platform{serial};
    workspace::FileLocations files{dir.path().toStdString(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}};
    workspace::Form1 form{platform.platform(), files};
    QtWindowView view{form};
    windows::WindowSet companions{form, platform.platform(), files};
    std::vector<std::unique_ptr<QtWindowView>> views;  // go before the set's windows
    imaging::Form2* image = nullptr;
};

TEST_F(QtImageWindow, TheShippedPictureOpensAndAClickOnAChipNamesIt) {
    EXPECT_EQ(text(image->Text2), QStringLiteral("TestImage.jpg"));
    EXPECT_EQ(text(image->Text3), QStringLiteral("640"));
    EXPECT_EQ(text(image->Text4), QStringLiteral("480"));
    QImage shown = picture();
    ASSERT_EQ(shown.size(), QSize(640, 480));

    // The 5R 5/6 chip covers 20..69 x 30..79. The JPEG coding may move a
    // channel by a step, and one step of blue turns this chip's hue by about
    // half a hue step: 0.8 of a step (0.3 chroma units on the hue circle)
    // bounds it.
    const QColor chip = shown.pixelColor(45, 55);
    QTest::mouseClick(imageView().widgetFor(image->Picture1), Qt::LeftButton, {}, QPoint(45, 55));
    EXPECT_EQ(text(image->Text6), QStringLiteral("Position  X = 45  Y = 55"));
    const QString notation = text(image->Text5);
    EXPECT_TRUE(notation.startsWith(QStringLiteral("Hue = "))) << notation.toStdString();
    EXPECT_NEAR(munsell::parseHue(form.Text12[0].text()).hue, 5.0, 0.8);
    EXPECT_NEAR(std::stod(form.Text12[1].text()), 5.0, 0.1);
    EXPECT_NEAR(std::stod(form.Text12[2].text()), 6.0, 0.3);
    const QColor inverted = picture().pixelColor(45, 55);
    EXPECT_EQ(inverted.red(), 255 - chip.red());
    screenshot(imageView().widget(), "image_analysis_marked");

    QTest::qWait(imaging::blockMarkMs + 150);  // Qt's timer restores the block
    EXPECT_EQ(picture().pixelColor(45, 55), chip);
    EXPECT_FALSE(image->samplingBusy());
    screenshot(imageView().widget(), "image_analysis");
}

}  // namespace
}  // namespace tintara::ui::qt
