// Screenshots of windows under test, kept for a person to look at when the
// environment variable TINTARA_SCREENSHOTS names a folder.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>

#include "ui/qt/qt_png_writer.h"

namespace tintara::ui::qt {

inline QImage screenshot(QWidget& window, const char* name) {
    const QImage shot = window.grab().toImage();
    const QString folder = qEnvironmentVariable("TINTARA_SCREENSHOTS");
    if (!folder.isEmpty() && QDir().mkpath(folder)) {
        const QImage rgb = shot.convertToFormat(QImage::Format_RGB32);
        Image picture(rgb.width(), rgb.height());
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x) picture.row(y)[x] = 0xFF000000u | rgb.pixel(x, y);
        std::string error;
        if (!writePng(picture, QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png")).toStdString(),
                      error))
            qWarning("%s", error.c_str());
    }
    return shot;
}

}  // namespace tintara::ui::qt
