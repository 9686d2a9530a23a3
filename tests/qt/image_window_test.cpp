// The image window on real widgets, opened as the desktop program opens it:
// ticking "Image Analysis" shows the shipped TestImage.jpg; a click on a chip
// of the picture marks its block, which Qt's timer restores.
#include "imaging/form2.h"
#include "qt/desktop_fixture.h"
#include "qt/screenshot.h"

namespace tintara::ui::qt {
namespace {

class QtImageWindow : public Desktop {};

TEST_F(QtImageWindow, TheShippedPictureOpensAndAClickOnAChipMarksItsBlockForAWhile) {
    QtWindowView& shown = tick(form.Check6);
    imaging::Form2& image = companions.imageAnalysis();
    const auto picture = [&] { return shown.widgetFor(image.Picture1)->grab().toImage(); };
    EXPECT_EQ(Desktop::shown(shown, image.Text2), QStringLiteral("TestImage.jpg"));
    const QImage before = picture();
    ASSERT_EQ(before.size(), QSize(640, 480));

    // The 5R 5/6 chip covers 20..69 x 30..79: the block is shown inverted.
    const QColor chip = before.pixelColor(45, 55);
    QTest::mouseClick(shown.widgetFor(image.Picture1), Qt::LeftButton, {}, QPoint(45, 55));
    EXPECT_EQ(Desktop::shown(shown, image.Text6), QStringLiteral("Position  X = 45  Y = 55"));
    EXPECT_EQ(picture().pixelColor(45, 55), QColor(255 - chip.red(), 255 - chip.green(), 255 - chip.blue()));
    screenshot(shown.widget(), "image_analysis_marked");

    QTest::qWait(imaging::blockMarkMs + 150);  // Qt's timer restores the block
    EXPECT_EQ(picture().pixelColor(45, 55), chip);
    EXPECT_FALSE(image.samplingBusy());
}

}  // namespace
}  // namespace tintara::ui::qt
