// Screenshots of windows under test, kept for a person to look at when the
// environment variable TINTARA_SCREENSHOTS names a folder.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>

namespace tintara::ui::qt {

inline QImage screenshot(QWidget& window, const char* name) {
    const QImage shot = window.grab().toImage();
    const QString folder = qEnvironmentVariable("TINTARA_SCREENSHOTS");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        shot.save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
    return shot;
}

}  // namespace tintara::ui::qt
