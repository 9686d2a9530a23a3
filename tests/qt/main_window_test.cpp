// The main window on real widgets: a click into a box selects its text,
// typing and Enter convert, every box shows what its model holds, and the
// swatch paints the colours.
#include <QApplication>
#include <QImage>
#include <QSet>

#include "qt/desktop_fixture.h"
#include "qt/screenshot.h"

namespace tintara::ui::qt {
namespace {

class QtMainWindow : public Desktop {
protected:
    QLineEdit* edit(const Control& c) { return qobject_cast<QLineEdit*>(view.widgetFor(c)); }
    void typeAndEnter(const Control& box, const QString& text) {
        edit(box)->setFocus();
        edit(box)->selectAll();
        QTest::keyClicks(edit(box), text);
        QTest::keyClick(edit(box), Qt::Key_Return);
    }
    // The colour of the swatch xTwips from its left edge, on screen.
    QColor swatch(int xTwips) { return view.widget().grab().toImage().pixel((720 + xTwips) / 15, 2280 / 15 + 40); }
};

// A click into an entry box selects its whole text, as Tab does: typing 4 into
// the value box and pressing Enter converts value 4, not 6.14.
TEST_F(QtMainWindow, AClickSelectsTheBoxAndTheTypedEntryConvertsIntoEveryBox) {
    QApplication::setActiveWindow(&view.widget());
    edit(form.Text12[0])->setFocus(Qt::TabFocusReason);
    QLineEdit* value = edit(form.Text12[1]);
    const QPoint end(value->width() - 4, value->height() / 2);
    QTest::mouseClick(value, Qt::LeftButton, {}, end);
    ASSERT_TRUE(value->hasFocus());
    EXPECT_EQ(value->selectedText(), QStringLiteral("6.1"));
    EXPECT_EQ(form.Text12[1].selLength(), 3);
    QTest::keyClick(value, Qt::Key_4);
    QTest::keyClick(value, Qt::Key_Return);
    EXPECT_EQ(edit(form.Text11[1])->text(), QStringLiteral("12.00"));  // Y of value 4
    for (auto* boxes : {&form.Text12, &form.Text11, &form.Text18, &form.Text15, &form.Text1, &form.Text2})
        for (int k = 0; k < boxes->size(); ++k) EXPECT_EQ(edit((*boxes)[k])->text().toStdString(), (*boxes)[k].text());
    // A second click, into a box that has the focus already, places the caret.
    QTest::mouseClick(value, Qt::LeftButton, {}, end);
    EXPECT_EQ(value->selectedText(), QString());

    const QImage shot = screenshot(view.widget(), "main_window");
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 3)
        for (int x = 0; x < shot.width(); x += 3) colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
}

TEST_F(QtMainWindow, SwatchShowsTheCurrentColourAndTheTrialBesideTheStandard) {
    typeAndEnter(form.Text12[0], QStringLiteral("5PB"));
    const QColor standard(form.rgbR, form.rgbG, form.rgbB);
    EXPECT_EQ(swatch(300), standard);
    form.Command4.click();  // STD: the panel and the trial side of the swatch
    typeAndEnter(form.Text1[1], QStringLiteral("200"));
    EXPECT_EQ(swatch(300), standard);
    EXPECT_EQ(swatch(1200), QColor(form.rgbR, 200, form.rgbB));
}

}  // namespace
}  // namespace tintara::ui::qt
