#include "ui/qt/qt_png_writer.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

bool writePng(const Image& picture, const std::string& path, std::string& error) {
    if (picture.empty()) {
        error = "An empty picture cannot be written to " + path;
        return false;
    }
    const QImage image(reinterpret_cast<const uchar*>(picture.words().data()), picture.width(), picture.height(),
                       qsizetype(picture.width()) * 4, QImage::Format_RGB32);
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) {
        error = "The picture could not be written to " + path + ": " + fromQString(file.errorString());
        return false;
    }
    QImageWriter writer(&file, "png");
    // What is still buffered must reach the disk before the file takes its
    // name: the commit that follows does not notice a failure to write it out.
    const bool encoded = writer.write(image);
    if (!encoded || !file.flush()) {
        const QString reason = encoded ? file.errorString() : writer.errorString();
        file.cancelWriting();
        file.commit();  // removes the temporary file
        error = "The picture could not be written to " + path + ": " + fromQString(reason);
        return false;
    }
    if (!file.commit()) {
        error = "The picture could not be written to " + path + ": " + fromQString(file.errorString());
        return false;
    }
    return true;
}

}  // namespace tintara::ui::qt
