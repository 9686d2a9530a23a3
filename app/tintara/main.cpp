// tintara: the desktop program. Wiring only: the Qt backend shows the main
// window's model and hands it the platform's services.
#include <QApplication>
#include <QMessageBox>

#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_serial_port.h"
#include "ui/qt/qt_window_view.h"
#include "workspace/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tintara");
    tintara::ui::qt::QtSerialPort serial;
    tintara::ui::qt::QtPlatform platform(serial);
    tintara::workspace::Form1 form(platform.platform(), tintara::workspace::FileLocations::forProgram(argv[0]));
    tintara::ui::qt::QtWindowView view(form);
    platform.attach(view);
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
