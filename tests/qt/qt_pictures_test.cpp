// Pictures through Qt: files of every kind a person may pick, the PNG writer,
// and text drawn into surfaces.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <csignal>
#include <cstdint>

#include "ui/qt/qt_picture_source.h"
#include "ui/qt/qt_png_writer.h"
#include "ui/qt/qt_text_renderer.h"

namespace tintara::ui::qt {
namespace {

void putBigEndian(QByteArray& bytes, qsizetype at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = char((value >> (8 * (size - 1 - i))) & 0xFF);
}

// A 1 x 1 PNG whose header is made to claim width x height pixels, its
// checksum mended so that only the size is wrong.
QByteArray pngClaiming(const QByteArray& png, std::uint32_t width, std::uint32_t height) {
    QByteArray bytes = png;
    putBigEndian(bytes, 16, width, 4);
    putBigEndian(bytes, 20, height, 4);
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char byte : bytes.mid(12, 17)) {
        crc ^= static_cast<unsigned char>(byte);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    putBigEndian(bytes, 29, ~crc, 4);
    return bytes;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

class QtPictures : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
    void write(const char* name, const QByteArray& bytes) {
        QFile file(QString::fromStdString(path(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    std::string refusal(const char* name) {
        std::string error;
        EXPECT_FALSE(source.loadPicture(path(name), error).has_value()) << name;
        EXPECT_NE(error.find(path(name)), std::string::npos) << error;  // the message names the file
        return error;
    }

    QTemporaryDir dir;
    QtPictureSource source;
};

// Whole files load with their pixels; cut, empty, wrong and missing ones, and
// a folder, are refused by name and reason.
TEST_F(QtPictures, WholeFilesLoadAndDamagedMissingAndWrongOnesAreRefusedByName) {
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) image.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) % 256));
    const QByteArray jpeg = encoded(image, "JPEG"), png = encoded(image, "PNG");
    write("whole.jpg", jpeg);
    write("whole.png", png);
    std::string error;
    for (const char* name : {"whole.jpg", "whole.png"}) {
        const auto loaded = source.loadPicture(path(name), error);
        ASSERT_TRUE(loaded) << error;
        EXPECT_EQ(std::pair(loaded->width(), loaded->height()), std::pair(64, 64));
    }
    EXPECT_EQ(source.loadPicture(path("whole.png"), error)->pixelOr(63, 62, black), (Rgb{252, 248, 66}));

    write("cut.jpg", jpeg.left(jpeg.size() * 2 / 3));
    write("cut.png", png.left(png.size() * 2 / 3));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
    write("notes.jpg", "Munsell 5R 6/8, not a picture");
    write("empty.png", "");
    // Qt reads GIFs too, but reports a GIF's size as that of its screen, which
    // may be far larger than its one frame and past the limit on pixels.
    const auto gif = [](const char* screenSize) {
        return "GIF87a" + QByteArray::fromHex(screenSize) +
               QByteArray::fromHex("800000" "000000ffffff" "2c0000000001000100" "00" "0202440100" "3b");
    };
    write("small.gif", gif("01000100"));  // 1 x 1
    write("wide.gif", gif("ffff0104"));   // 65535 x 1025
    const std::pair<const char*, const char*> cases[] = {
        {"cut.jpg", "damaged"},         {"cut.png", "damaged"},        {"notes.jpg", "not a picture"},
        {"empty.png", "not a picture"}, {"folder.jpg", "is a folder"}, {"missing.jpg", "cannot be found"},
        {"wide.gif", "(JPEG or PNG)"},  {"small.gif", "(JPEG or PNG)"}};
    for (const auto& [name, why] : cases) EXPECT_NE(refusal(name).find(why), std::string::npos) << name;
}

TEST_F(QtPictures, AHugeHeaderIsRefusedBeforeDecoding) {
    const QByteArray onePixel = encoded(QImage(1, 1, QImage::Format_RGB32), "PNG");
    // On both sides of the limit of 64 Mi pixels: 8192 x 8193 is refused by its
    // size; 8192 x 8192 passes that check and fails only for want of pixel data.
    for (int height : {8193, 8192}) {
        write("edge.png", pngClaiming(onePixel, 8192, std::uint32_t(height)));
        const std::string error = refusal("edge.png");
        EXPECT_EQ(error.find("8192 x 8193 pixels") != std::string::npos, height == 8193) << error;
        EXPECT_EQ(error.find("damaged") != std::string::npos, height == 8192) << error;
    }
}

// A whole file or none: a folder where the file should go, a folder that does
// not exist, and a disk that fills up while the picture is written (a
// file-size limit of 4 KB stands in for it; the noise takes some 11 KB as PNG,
// which reaches the disk as the file is completed) leave the earlier file of
// that name as it was and no temporary file behind.
TEST_F(QtPictures, PngWriterWritesWholeFilesOrNone) {
    Surface surface(20, 10, Rgb{224, 224, 224});
    surface.circle(10, 5, 4, {black, 1, FillStyle::Solid, Rgb{255, 0, 0}});
    std::string error;
    ASSERT_TRUE(writePng(surface, path("view.png"), error)) << error;
    const auto* drawn = reinterpret_cast<const uchar*>(surface.image().words().data());
    EXPECT_EQ(QImage(QString::fromStdString(path("view.png"))).convertToFormat(QImage::Format_RGB32),
              QImage(drawn, 20, 10, QImage::Format_RGB32));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.png")));
    EXPECT_FALSE(writePng(surface, path("taken.png"), error));
    EXPECT_NE(error.find(path("taken.png")), std::string::npos);
    EXPECT_FALSE(writePng(surface, path("no/such/folder.png"), error));
    EXPECT_NE(error.find("no/such/folder.png"), std::string::npos);

    Image noise(60, 60);
    std::uint32_t seed = 1;
    for (auto& word : noise.words()) word = 0xFF000000u | ((seed = seed * 1664525u + 1013904223u) >> 8);
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writePng(noise, path("view.png"), error);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_NE(error.find(path("view.png")), std::string::npos) << error;
    EXPECT_EQ(QImage(QString::fromStdString(path("view.png"))).size(), QSize(20, 10));  // the earlier picture
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("view.png")});
}

TEST(QtText, TextIsDrawnInItsColourOnlyAndMeasuredAtLeastAPixelACharacter) {
    QtTextRenderer text;
    Surface s(200, 40, white);
    const Font arial{"Arial", 9.75f};
    text.drawText(s, 10.7, 5, "Hue 5R", arial, Rgb{0, 0, 255});
    const int width = text.textWidth("Hue 5R", arial);
    int inked = 0, left = 200, right = 0, top = 40;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            Rgb c;
            s.pixel(x, y, c);
            ASSERT_TRUE(c == white || c == (Rgb{0, 0, 255})) << x << "," << y;  // no smoothing
            if (c == white) continue;
            ++inked;
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y);
        }
    EXPECT_GT(inked, 30);
    EXPECT_TRUE(left >= 10 && right <= 10 + width / 15 + 1) << left << " to " << right;
    EXPECT_TRUE(top >= 5 && top <= 8) << top;  // the capital H starts just below the top of the line
    // Arial or its stand-in at 9.75 points: the six characters take 30 to 50 pixels.
    EXPECT_TRUE(width > 30 * 15 && width < 50 * 15) << width;
    // A font so small that a blank is nothing still gives each character a pixel.
    EXPECT_EQ(text.textWidth("   ", Font{"Arial", 0.05f}), 45);
    EXPECT_GT(text.textHeight(arial), 10 * 15);
}

}  // namespace
}  // namespace tintara::ui::qt
