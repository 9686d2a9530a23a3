#include "ui/qt/qt_png_writer.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

bool writePng(const Image& picture, const std::string& path, std::string& error, datafiles::WriteSeam* seam) {
    if (picture.empty()) {
        error = "An empty picture cannot be written to " + path;
        return false;
    }
    const QImage image(reinterpret_cast<const uchar*>(picture.words().data()), picture.width(), picture.height(),
                       qsizetype(picture.width()) * 4, QImage::Format_RGB32);
    // Encoded in memory first, so that the file is written by the program's
    // one writer of whole files and a picture Qt cannot encode touches no file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        error = "The picture could not be written to " + path + ": " + fromQString(writer.errorString());
        return false;
    }
    if (datafiles::replaceFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())), error, seam))
        return true;
    // The writer names the file before its reason; the message keeps the
    // wording every picture writer has used.
    const std::string named = path + ": ";
    const std::size_t at = error.find(named);
    error = "The picture could not be written to " + named +
            (at == std::string::npos ? error : error.substr(at + named.size()));
    return false;
}

}  // namespace tintara::ui::qt
