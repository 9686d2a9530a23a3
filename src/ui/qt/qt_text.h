// Text between the window models (std::string) and Qt (QString).
#pragma once

#include <QString>
#include <string>

namespace tintara::ui::qt {

// Model text is UTF-8; bytes that are not valid UTF-8 (text read from old
// single-byte files) are taken as Latin-1 so that no character is lost.
QString toQString(const std::string& text);
std::string fromQString(const QString& text);

// Message texts break lines with CR alone or CR LF; Qt wants LF.
QString displayText(const std::string& text);

}  // namespace tintara::ui::qt
