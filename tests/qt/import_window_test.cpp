// The service mode's Import on real widgets: the run lets Qt handle events,
// the message line shows its progress, and a click on Stop ends it.
#include <QFile>
#include <QTimer>
#include <fstream>

#include "qt/desktop_fixture.h"
#include "qt/screenshot.h"

namespace tintara::ui::qt {
namespace {

class QtImport : public Desktop {};

TEST_F(QtImport, ProgressOnTheMessageLineAndAClickOnStopEndsTheRun) {
    std::string big = "H,V,C\r\n";
    for (int i = 0; i < 400; ++i) big += "5R,4,14\r\n";
    std::ofstream(dir.filePath("big.csv").toStdString(), std::ios::binary) << big;
    view.widgetFor(form.Text3)->setFocus();
    QTest::keyClicks(view.widgetFor(form.Text3), QStringLiteral("kqv"));  // the service mode
    dialogs.answerInput("0");
    dialogs.answerFile("big.csv");

    // Looks in at every pass of the event loop the run lets go.
    QString progress;
    bool stopShown = false;
    int captionContrast = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        const QString line = shown(view, form.Text3);
        if (!progress.isEmpty() || !line.contains(QStringLiteral("line 201"))) return;
        progress = line;
        stopShown = view.widgetFor(form.stopImport)->isVisible();
        // A locked switch keeps a caption that can be read on the grey window.
        const QPalette colours = view.widgetFor(form.Check2)->palette();
        captionContrast = std::abs(colours.color(QPalette::Disabled, QPalette::WindowText).lightness() -
                                   colours.color(QPalette::Window).lightness());
        screenshot(view.widget(), "main_window_importing");
        QTest::mouseClick(view.widgetFor(form.stopImport), Qt::LeftButton);
    });
    watcher.start(0);
    QTest::mouseClick(view.widgetFor(form.import), Qt::LeftButton);
    watcher.stop();

    EXPECT_EQ(progress, QStringLiteral("Importing big.csv: line 201 of 401"));
    EXPECT_TRUE(stopShown);
    EXPECT_GE(captionContrast, 60);
    EXPECT_EQ(form.Text3.text(), "Import stopped at line 202 of big.csv; no tempOUT.txt was written.");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("tempOUT.txt"))));
    EXPECT_FALSE(view.widgetFor(form.stopImport)->isVisible());
}

}  // namespace
}  // namespace tintara::ui::qt
