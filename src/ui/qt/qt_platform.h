// The Qt platform services, one of each, handed to the window logic as a
// Platform. The serial port comes from outside.
#pragma once

#include "ui/qt/qt_beeper.h"
#include "ui/qt/qt_clock.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_event_pump.h"
#include "ui/qt/qt_picture_source.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_text_renderer.h"
#include "ui/services.h"

namespace tintara::ui::qt {

class QtWindowView;

class QtPlatform {
public:
    explicit QtPlatform(SerialPort& serial);
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    QtDialogs dialogs;
    QtClock clock;
    QtEventPump events;
    QtBeeper beeper;
    QtPrinter printer;
    QtTextRenderer text;
    QtPictureSource pictures;

    Platform& platform() { return platform_; }

    // Registers a shown window, so that it can be printed.
    void attach(QtWindowView& view) { printer.attach(view); }

private:
    Platform platform_;
};

}  // namespace tintara::ui::qt
