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

class QtPictures : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
    QByteArray encoded(const QImage& image, const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format, 100);
        return bytes;
    }
    void write(const char* name, const QByteArray& bytes) {
        QFile file(QString::fromStdString(path(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
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

TEST_F(QtPictures, PngAndJpegLoadWithTheirPixels) {
    QImage png(3, 2, QImage::Format_RGB32);
    png.fill(QColor(10, 200, 30));
    png.setPixelColor(2, 1, QColor(255, 120, 40));
    write("small.png", encoded(png, "PNG"));
    std::string error;
    const auto loaded = source.loadPicture(path("small.png"), error);
    ASSERT_TRUE(loaded) << error;
    EXPECT_EQ(loaded->width(), 3);
    EXPECT_EQ(loaded->pixelOr(2, 1, black), (Rgb{255, 120, 40}));
    EXPECT_EQ(loaded->pixelOr(0, 0, black), (Rgb{10, 200, 30}));

    QImage jpeg(16, 16, QImage::Format_RGB32);
    jpeg.fill(QColor(90, 140, 210));
    write("flat.jpg", encoded(jpeg, "JPEG"));
    const auto photo = source.loadPicture(path("flat.jpg"), error);
    ASSERT_TRUE(photo) << error;
    const Rgb c = photo->pixelOr(8, 8, black);
    EXPECT_NEAR(c.r, 90, 3);  // JPEG rounds a flat colour by a step or two
    EXPECT_NEAR(c.g, 140, 3);
    EXPECT_NEAR(c.b, 210, 3);
}

TEST_F(QtPictures, DamagedMissingAndWrongFilesAreRefusedByName) {
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) image.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) % 256));
    const QByteArray jpeg = encoded(image, "JPEG"), png = encoded(image, "PNG");
    write("cut.jpg", jpeg.left(jpeg.size() * 2 / 3));
    write("cut.png", png.left(png.size() * 2 / 3));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
    write("notes.jpg", "Munsell 5R 6/8, not a picture");
    write("empty.png", "");
    const std::pair<const char*, const char*> cases[] = {
        {"cut.jpg", "damaged"},         {"cut.png", "damaged"},        {"notes.jpg", "not a picture"},
        {"empty.png", "not a picture"}, {"folder.jpg", "is a folder"}, {"missing.jpg", "cannot be found"}};
    for (const auto& [name, why] : cases) EXPECT_NE(refusal(name).find(why), std::string::npos) << name;
    // A complete JPEG of the same picture loads.
    write("whole.jpg", jpeg);
    std::string error;
    EXPECT_TRUE(source.loadPicture(path("whole.jpg"), error)) << error;
}

TEST_F(QtPictures, AHugeHeaderIsRefusedBeforeDecoding) {
    // 20,000 x 20,000 is 1.6 GB as pixels.
    const QByteArray onePixel = encoded(QImage(1, 1, QImage::Format_RGB32), "PNG");
    write("huge.png", pngClaiming(onePixel, 20000, 20000));
    EXPECT_NE(refusal("huge.png").find("20000 x 20000 pixels"), std::string::npos);

    // The same for a JPEG's frame header: height then width after the marker.
    QByteArray jpeg = encoded(QImage(8, 8, QImage::Format_RGB32), "JPEG");
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    putBigEndian(jpeg, frame + 5, 20000, 2);
    putBigEndian(jpeg, frame + 7, 20000, 2);
    write("huge.jpg", jpeg);
    EXPECT_NE(refusal("huge.jpg").find("20000 x 20000 pixels"), std::string::npos);

    // On both sides of the limit of 64 Mi pixels: 8192 x 8193 is refused by its
    // size; 8192 x 8192 passes that check and fails only for want of pixel data.
    for (int height : {8193, 8192}) {
        write("edge.png", pngClaiming(onePixel, 8192, std::uint32_t(height)));
        const std::string error = refusal("edge.png");
        EXPECT_EQ(error.find("8192 x 8193 pixels") != std::string::npos, height == 8193) << error;
        EXPECT_EQ(error.find("damaged") != std::string::npos, height == 8192) << error;
    }
}

TEST_F(QtPictures, PngWriterWritesWholeFilesOrNone) {
    Surface surface(20, 10, Rgb{224, 224, 224});
    surface.circle(10, 5, 4, {black, 1, FillStyle::Solid, Rgb{255, 0, 0}});
    std::string error;
    ASSERT_TRUE(writePng(surface, path("view.png"), error)) << error;
    QImage back(QString::fromStdString(path("view.png")));
    ASSERT_EQ(back.size(), QSize(20, 10));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            Rgb c;
            surface.pixel(x, y, c);
            ASSERT_EQ(QColor(back.pixel(x, y)), QColor(c.r, c.g, c.b)) << x << "," << y;
        }

    // A folder where the file should go, and a folder that does not exist.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.png")));
    EXPECT_FALSE(writePng(surface, path("taken.png"), error));
    EXPECT_NE(error.find(path("taken.png")), std::string::npos);
    EXPECT_FALSE(writePng(surface, path("no/such/folder.png"), error));
    EXPECT_NE(error.find("no/such/folder.png"), std::string::npos);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{QStringLiteral("view.png")});  // no temporary file stays behind
}

// A disk that fills up while the picture is written (a file-size limit of 4 KB
// stands in for it): the earlier file of that name stays as it was. The noise
// takes some 11 KB as PNG, which reaches the disk as the file is completed.
TEST_F(QtPictures, PngWriterLeavesTheEarlierFileWhenTheDiskIsFull) {
    Image noise(60, 60);
    std::uint32_t seed = 1;
    for (auto& word : noise.words()) word = 0xFF000000u | ((seed = seed * 1664525u + 1013904223u) >> 8);
    write("chart.png", "the earlier chart");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = writePng(noise, path("chart.png"), error);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_NE(error.find(path("chart.png")), std::string::npos) << error;
    QFile earlier(QString::fromStdString(path("chart.png")));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("the earlier chart"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("chart.png")});
}

TEST(QtText, TextIsDrawnInItsColourOnlyAndMeasuredAtLeastAPixelACharacter) {
    QtTextRenderer text;
    Surface s(200, 40, white);
    const Font arial{"Arial", 9.75f};
    text.drawText(s, 10.7, 5, "Hue 5R", arial, Rgb{0, 0, 255});
    const int width = text.textWidth("Hue 5R", arial);
    int inked = 0, right = 0, top = 40;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            Rgb c;
            s.pixel(x, y, c);
            ASSERT_TRUE(c == white || c == (Rgb{0, 0, 255})) << x << "," << y;  // no smoothing
            if (c == white) continue;
            ++inked;
            right = std::max(right, x);
            top = std::min(top, y);
            EXPECT_GE(x, 10);
        }
    EXPECT_GT(inked, 30);
    EXPECT_LE(right, 10 + width / 15 + 1);
    EXPECT_GE(top, 5);
    EXPECT_LE(top, 8);  // the capital H starts just below the top of the line
    // Arial or its stand-in at 9.75 points: the six characters take 30 to 50 pixels.
    EXPECT_GT(width, 30 * 15);
    EXPECT_LT(width, 50 * 15);
    // A font so small that a blank is nothing still gives each character a pixel.
    EXPECT_EQ(text.textWidth("   ", Font{"Arial", 0.05f}), 45);
    EXPECT_GT(text.textHeight(arial), 10 * 15);
}

}  // namespace
}  // namespace tintara::ui::qt
