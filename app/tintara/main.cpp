// tintara: the desktop program. Wiring only: the Qt backend shows the main
// window's model and the companion windows as they are made, and hands them
// the platform's services.
#include <QApplication>
#include <QMessageBox>
#include <memory>
#include <vector>

#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_serial_port.h"
#include "ui/qt/qt_window_view.h"
#include "windows/window_set.h"
#include "workspace/form1.h"

int main(int argc, char** argv) {
    using namespace tintara;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tintara");
    ui::qt::QtSerialPort serial;
    ui::qt::QtPlatform platform(serial);
    const workspace::FileLocations files = workspace::FileLocations::forProgram(argv[0]);
    workspace::Form1 form(platform.platform(), files);
    ui::qt::QtWindowView view(form);
    platform.attach(view);
    windows::WindowSet companions(form, platform.platform(), files);
    // Declared after the set, so that the views go before their windows.
    std::vector<std::unique_ptr<ui::qt::QtWindowView>> companionViews;
    companions.onCreated = [&](ui::Window& window) {
        companionViews.push_back(std::make_unique<ui::qt::QtWindowView>(window));
        platform.attach(*companionViews.back());
    };
    form.setCompanions(&companions);
    // Exit, or closing the main window, ends everything at once.
    form.onExit = [] { QApplication::quit(); };
    std::string error;
    if (!form.Form_Load(error)) {
        QMessageBox::critical(nullptr, "Tintara", QString::fromStdString(error));
        return 1;
    }
    form.show();
    return app.exec();
}
