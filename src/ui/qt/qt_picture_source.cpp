#include "ui/qt/qt_picture_source.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QScreen>
#include <cstring>

#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

namespace {

constexpr ScreenSize screenWithoutDisplay{1920, 1080};

std::string sizeText(QSize size) { return std::to_string(size.width()) + " x " + std::to_string(size.height()); }

bool tooLarge(QSize size) { return (long long)size.width() * size.height() > QtPictureSource::largestPixelCount; }

std::string tooLargeMessage(const std::string& what, QSize size) {
    return what + " is " + sizeText(size) + " pixels, larger than the 64 million pixels a picture can have";
}

Image toImage(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    Image image(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(image.row(y), rgb.constScanLine(y), std::size_t(rgb.width()) * 4);
    return image;
}

// A JPEG ends with an end-of-image marker after its last scan; a file cut short
// lacks it, and Qt would show the missing rows as grey without a word. Inside
// the coded data every 0xFF byte is followed by 0 or a restart marker, so the
// markers cannot be mistaken.
bool jpegComplete(const QByteArray& bytes) {
    const qsizetype lastScan = bytes.lastIndexOf(QByteArray("\xFF\xDA", 2));
    return lastScan >= 0 && bytes.indexOf(QByteArray("\xFF\xD9", 2), lastScan) > lastScan;
}

bool readWholeFile(const QString& file, const std::string& path, QByteArray& bytes, std::string& error) {
    const QFileInfo info(file);
    if (!info.exists()) {
        error = "The picture " + path + " cannot be found";
        return false;
    }
    if (info.isDir()) {
        error = path + " is a folder, not a picture";
        return false;
    }
    if (!info.isFile()) {
        error = path + " is not a picture file";
        return false;
    }
    if (info.size() > QtPictureSource::largestFileBytes) {
        error = "The file " + path + " is too large to be a picture that can be shown";
        return false;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        error = "The picture " + path + " cannot be opened: " + fromQString(in.errorString());
        return false;
    }
    bytes = in.readAll();
    if (bytes.size() != info.size()) {
        error = "The picture " + path + " could not be read to its end";
        return false;
    }
    return true;
}

}  // namespace

std::optional<Image> QtPictureSource::loadPicture(const std::string& path, std::string& error) {
    const QString file = QFile::decodeName(path.c_str());
    QByteArray bytes;
    if (!readWholeFile(file, path, bytes, error)) return std::nullopt;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);  // a photograph taken upright is shown upright
    reader.setAllocationLimit(int(largestPixelCount * 4 / (1024 * 1024)) + 1);
    // Only the two kinds the window offers: the other decoders Qt carries may
    // report a size other than the one they decode (a GIF's screen is not its
    // first frame), which would get past the limit below.
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    if ((format != "jpeg" && format != "png") || !size.isValid()) {
        error = "The file " + path + " is not a picture that can be read (JPEG or PNG)";
        return std::nullopt;
    }
    if (tooLarge(size)) {
        error = tooLargeMessage("The picture " + path, size);
        return std::nullopt;
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        error = "The picture " + path + " is damaged and cannot be read: " + fromQString(reader.errorString());
        return std::nullopt;
    }
    if (format == "jpeg" && !jpegComplete(bytes)) {
        error = "The picture " + path + " is damaged: the file ends before the picture does";
        return std::nullopt;
    }
    return toImage(picture);
}

std::optional<Image> QtPictureSource::clipboardPicture(std::string& error) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        error = "There is no clipboard without a display";
        return std::nullopt;
    }
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull()) {
        error = "The clipboard holds no picture";
        return std::nullopt;
    }
    if (tooLarge(picture.size())) {
        error = tooLargeMessage("The picture on the clipboard", picture.size());
        return std::nullopt;
    }
    return toImage(picture);
}

ScreenSize QtPictureSource::screenSize() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return screenWithoutDisplay;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return screenWithoutDisplay;
    return {screen->size().width(), screen->size().height()};
}

}  // namespace tintara::ui::qt
