// The main window on real widgets as the desktop program makes it, in a
// working folder of its own: every service is Qt's except the dialogs, which
// answer from a script. The windows it opens get their views as they are made.
#pragma once

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"
#include "windows/window_set.h"
#include "workspace/form1.h"

namespace tintara::ui::qt {

// Runs tintara-cli in a folder: its status and what it wrote to standard error.
inline std::pair<int, std::string> runCli(const QString& folder, const QStringList& args) {
    QProcess cli;
    cli.setWorkingDirectory(folder);
    cli.start(QStringLiteral(TINTARA_CLI), args);
    EXPECT_TRUE(cli.waitForFinished(60000));
    return {cli.exitCode(), cli.readAllStandardError().toStdString()};
}

class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        companions.onCreated = [this](Window& window) {
            views.push_back(std::make_unique<QtWindowView>(window));
            qt.attach(*views.back());
        };
        form.setCompanions(&companions);
        std::string error;
        ASSERT_TRUE(form.Form_Load(error)) << error;
        qt.attach(view);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
    }
    void TearDown() override { form.setCompanions(nullptr); }
    // Ticks a switch of the main window with the mouse; the view of the window it opened.
    QtWindowView& tick(const CheckBox& box) {
        QTest::mouseClick(view.widgetFor(box), Qt::LeftButton, {}, QPoint(6, 8));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&views.back()->widget()));
        return *views.back();
    }
    // The box's widget in the window `in` shows, the main window by default.
    QLineEdit* edit(const Control& box, QtWindowView* in = nullptr) {
        return qobject_cast<QLineEdit*>((in ? *in : view).widgetFor(box));
    }

    QTemporaryDir dir;
    AbsentSerialPort serial;
    QtPlatform qt{serial};
    HeadlessDialogs dialogs;
    Platform platform{dialogs, qt.clock, qt.events, qt.beeper, qt.printer, serial, qt.text, qt.pictures};
    workspace::FileLocations files{dir.path().toStdString(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}};
    workspace::Form1 form{platform, files};
    QtWindowView view{form};
    windows::WindowSet companions{form, platform, files};
    std::vector<std::unique_ptr<QtWindowView>> views;  // go before the windows they show
};

}  // namespace tintara::ui::qt
