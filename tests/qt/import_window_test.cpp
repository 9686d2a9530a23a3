// The service mode's Import on real widgets: the run lets Qt handle events,
// the message line shows its progress, and a click on Stop ends it. The
// dialogs answer from a script; everything else is the Qt platform.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "qt/screenshot.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"
#include "workspace/form1.h"

namespace tintara::ui::qt {
namespace {

class QtImport : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(form.Form_Load(error)) << error;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
    }
    QWidget* widget(const Control& c) { return view.widgetFor(c); }
    void write(const char* name, const std::string& text) {
        std::ofstream(dir.filePath(QString::fromLatin1(name)).toStdString(), std::ios::binary) << text;
    }
    void openServiceMode() {
        auto* line = qobject_cast<QLineEdit*>(widget(form.Text3));
        line->setFocus();
        QTest::keyClicks(line, QStringLiteral("kqv"));
        ASSERT_TRUE(widget(form.import)->isVisible());
    }

    QTemporaryDir dir;
    AbsentSerialPort serial;
    QtPlatform qt{serial};
    HeadlessDialogs dialogs;
    Platform platform{dialogs, qt.clock, qt.events, qt.beeper, qt.printer, serial, qt.text, qt.pictures};
    workspace::Form1 form{platform, {dir.path().toStdString(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}}};
    QtWindowView view{form};
};

TEST_F(QtImport, ProgressOnTheMessageLineAndAClickOnStopEndsTheRun) {
    std::string big = "H,V,C\r\n";
    for (int i = 0; i < 400; ++i) big += "5R,4,14\r\n";
    write("big.csv", big);
    openServiceMode();
    dialogs.answerInput("0");
    dialogs.answerFile("big.csv");

    // Looks in at every pass of the event loop the run lets go.
    QString progress;
    bool stopShown = false, illuminantLocked = false;
    int captionContrast = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        const QString line = qobject_cast<QLineEdit*>(widget(form.Text3))->text();
        if (!progress.isEmpty() || !line.contains(QStringLiteral("line 201"))) return;
        progress = line;
        stopShown = widget(form.stopImport)->isVisible();
        illuminantLocked = !widget(form.Option1[1])->isEnabled();
        // A locked switch keeps a caption that can be read on the grey window.
        const QPalette colours = widget(form.Check2)->palette();
        captionContrast = std::abs(colours.color(QPalette::Disabled, QPalette::WindowText).lightness() -
                                   colours.color(QPalette::Window).lightness());
        screenshot(view.widget(), "main_window_importing");
        QTest::mouseClick(widget(form.stopImport), Qt::LeftButton);
    });
    watcher.start(0);
    QTest::mouseClick(widget(form.import), Qt::LeftButton);
    watcher.stop();

    EXPECT_EQ(progress, QStringLiteral("Importing big.csv: line 201 of 401"));
    EXPECT_TRUE(stopShown);
    EXPECT_TRUE(illuminantLocked);
    EXPECT_GE(captionContrast, 60);
    EXPECT_EQ(form.Text3.text(), "Import stopped at line 202 of big.csv; no tempOUT.txt was written.");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("tempOUT.txt"))));
    EXPECT_FALSE(widget(form.stopImport)->isVisible());
    EXPECT_TRUE(widget(form.Option1[1])->isEnabled());
}

}  // namespace
}  // namespace tintara::ui::qt
