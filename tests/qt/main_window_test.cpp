// The main window on real widgets: typing and Enter convert, every box shows
// what the window holds, the swatch paints the colours, and a click into a
// box selects its text.
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "qt/screenshot.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"
#include "workspace/form1.h"
#include "workspace/typed_entry.h"

namespace tintara::ui::qt {
namespace {

workspace::FileLocations locations(const QTemporaryDir& dir) {
    return {dir.path().toStdString(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}};
}

class QtMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(form.Form_Load(error)) << error;
        platform.attach(view);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
    }
    QLineEdit* edit(const Control& c) { return qobject_cast<QLineEdit*>(view.widgetFor(c)); }
    void typeAndEnter(const Control& box, const QString& text) {
        edit(box)->setFocus();
        edit(box)->selectAll();
        QTest::keyClicks(edit(box), text);
        QTest::keyClick(edit(box), Qt::Key_Return);
    }
    // The colour of the swatch xTwips from its left edge, on screen.
    QColor swatch(int xTwips) { return view.widget().grab().toImage().pixel((720 + xTwips) / 15, 2280 / 15 + 40); }

    QTemporaryDir dir;
    AbsentSerialPort serial;
    QtPlatform platform{serial};
    workspace::Form1 form{platform.platform(), locations(dir)};
    QtWindowView view{form};
};

TEST_F(QtMainWindow, TypedMunsellEntryConvertsAndTheWidgetsShowWhatTheCommandLineWouldPrint) {
    EXPECT_EQ(edit(form.Text11[1])->text(), QStringLiteral("31.23"));
    typeAndEnter(form.Text12[0], QStringLiteral("2.5YR"));

    HeadlessPlatform headless;
    workspace::Form1 twin(headless.platform(), locations(dir));
    std::string error;
    ASSERT_TRUE(twin.Form_Load(error));
    workspace::typeEntry(twin, workspace::EntryForm::Munsell, {"2.5YR", "6.1", "6.2"});
    const auto expected = workspace::shownFields(twin);  // munsell.hue ... cmyk.K, as the boxes run
    std::size_t i = 0;
    for (auto* boxes : {&form.Text12, &form.Text11, &form.Text18, &form.Text15, &form.Text1, &form.Text2})
        for (int k = 0; k < boxes->size(); ++k, ++i)
            EXPECT_EQ(edit((*boxes)[k])->text().toStdString(), expected[i].second) << expected[i].first;
    EXPECT_EQ(i, 18u);

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

// A click into an entry box selects its whole text, as Tab does: typing 4 into
// the value box and pressing Enter converts value 4, not 6.14.
TEST_F(QtMainWindow, AClickIntoAnEntryBoxSelectsItsWholeText) {
    QApplication::setActiveWindow(&view.widget());
    edit(form.Text12[0])->setFocus(Qt::TabFocusReason);
    QLineEdit* value = edit(form.Text12[1]);
    ASSERT_EQ(value->text(), QStringLiteral("6.1"));
    const QPoint end(value->width() - 4, value->height() / 2);
    QTest::mouseClick(value, Qt::LeftButton, {}, end);
    ASSERT_TRUE(value->hasFocus());
    EXPECT_EQ(value->selectedText(), QStringLiteral("6.1"));
    EXPECT_EQ(form.Text12[1].selLength(), 3);
    QTest::keyClick(value, Qt::Key_4);
    QTest::keyClick(value, Qt::Key_Return);
    EXPECT_EQ(form.Text12[1].text(), "4");
    EXPECT_EQ(edit(form.Text11[1])->text(), QStringLiteral("12.00"));  // Y of value 4

    // A second click, into a box that has the focus already, places the caret.
    QTest::mouseClick(value, Qt::LeftButton, {}, end);
    EXPECT_EQ(value->selectedText(), QString());
}

}  // namespace
}  // namespace tintara::ui::qt
