#include "chart_command.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstring>
#include <iostream>
#include <memory>

#include "charts/CChecker.h"
#include "charts/CTol.h"
#include "cli_window.h"
#include "exit_codes.h"
#include "ui/qt/qt_png_writer.h"
#include "ui/qt/qt_text_renderer.h"
#include "ui/qt/qt_window_view.h"
#include "workspace/typed_entry.h"

namespace tintara::cli {

using workspace::Companion;

namespace {

Companion companionOf(ChartKind chart) {
    switch (chart) {
    case ChartKind::Hue: return Companion::HuePage;
    case ChartKind::Value: return Companion::ValuePage;
    case ChartKind::Tolerance: return Companion::Tolerance;
    case ChartKind::ColorChecker: return Companion::ColorChecker;
    }
    return Companion::HuePage;
}

ui::CheckBox& switchOf(workspace::Form1& window, ChartKind chart) {
    switch (chart) {
    case ChartKind::Hue: return window.Check2;
    case ChartKind::Value: return window.Check4;
    case ChartKind::Tolerance: return window.Check3;
    case ChartKind::ColorChecker: return window.Check5;
    }
    return window.Check2;
}

// The window as the desktop shows it, client area only.
ui::Image pictureOf(ui::qt::QtWindowView& view) {
    QApplication::processEvents();
    // No box shows a cursor or a selection in a picture.
    if (QWidget* focused = view.widget().focusWidget()) focused->clearFocus();
    const QImage shot = view.widget().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ui::Image picture(shot.width(), shot.height());
    for (int y = 0; y < shot.height(); ++y)
        std::memcpy(picture.row(y), shot.constScanLine(y), std::size_t(shot.width()) * 4);
    return picture;
}

}  // namespace

int runChart(const ChartOptions& options, const char* argv0) {
    // Pictures are drawn off the screen, whether or not there is one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the off-screen platform are not the program's messages.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
    });
    int argc = 1;
    char name[] = "tintara-cli";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ui::qt::QtTextRenderer text;
    CliWindow cli(Timing::Instant, &text);
    std::vector<std::unique_ptr<ui::qt::QtWindowView>> views;  // go before the windows
    if (!cli.start(options.display, argv0)) return exitStartFailed;
    cli.companions().onCreated = [&](ui::Window& window) {
        views.push_back(std::make_unique<ui::qt::QtWindowView>(window));
    };
    workspace::Form1& window = cli.window();
    const std::vector<std::string>& words = options.display.words;
    if (!words.empty()) {
        workspace::typeEntry(window, *workspace::entryForm(words.front()), {words.begin() + 1, words.end()});
        if (!workspace::refusalOf(window).empty()) {
            std::cerr << workspace::refusalOf(window) << '\n';
            return exitRefused;
        }
    }
    switchOf(window, options.chart).setValue(1);
    const Companion which = companionOf(options.chart);
    if (options.toleranceTenths)
        for (int i = 0; i < 3; ++i) cli.companions().tolerance().HScroll1[i].setValue(*options.toleranceTenths);
    ui::Window* chart = cli.companions().existing(which);
    ui::qt::QtWindowView* view = nullptr;
    for (const auto& v : views)
        if (&v->window() == chart) view = v.get();
    if (!view) {
        std::cerr << "tintara-cli: the chart could not be drawn\n";
        return exitRefused;
    }
    std::string error;
    if (!ui::qt::writePng(pictureOf(*view), options.png, error)) {
        std::cerr << "tintara-cli: " << error << '\n';
        return exitRefused;
    }
    // A ColorChecker chart drawn from a damaged ccnames.csv is written, and said so.
    if (options.chart == ChartKind::ColorChecker) {
        const std::string& problem = cli.companions().colorChecker().Label2.caption();
        if (!problem.empty()) {
            std::cerr << problem << '\n';
            return exitRefused;
        }
    }
    return exitDone;
}

}  // namespace tintara::cli
