// Writes the picture target's seed corpus: small PNGs and JPEGs of the kinds a
// person hands the image window (colour, grey, palette, alpha, interlaced,
// 16 bits a channel; baseline, progressive, grey and low-quality JPEG), each a
// few hundred bytes, so that the fuzzer starts inside every decoder path. The
// corpus also keeps wide_screen.gif, a GIF whose screen is larger than its frame
// and than the limit on pixels, which must be refused as not JPEG or PNG.
//
//   make_picture_seeds FOLDER
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>

namespace {

QImage pattern(int width, int height, QImage::Format format) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(40 * x % 256, 60 * y % 256, (x * y * 17) % 256, 255 - 20 * ((x + y) % 8)));
    return image.convertToFormat(format);
}

bool save(const QDir& folder, const char* name, const QImage& image, const char* format, int quality = -1,
          bool progressive = false, bool optimized = false) {
    QImageWriter writer(folder.filePath(QString::fromLatin1(name)), format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.setOptimizedWrite(optimized);
    if (writer.write(image)) return true;
    std::fprintf(stderr, "make_picture_seeds: %s: %s\n", name, qPrintable(writer.errorString()));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_picture_seeds FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = folder.mkpath(".");
    ok = save(folder, "one_pixel.png", pattern(1, 1, QImage::Format_RGB32), "png") && ok;
    ok = save(folder, "colour.png", pattern(7, 5, QImage::Format_RGB32), "png") && ok;
    ok = save(folder, "grey.png", pattern(6, 6, QImage::Format_Grayscale8), "png") && ok;
    ok = save(folder, "palette.png", pattern(9, 4, QImage::Format_Indexed8), "png") && ok;
    ok = save(folder, "alpha.png", pattern(5, 7, QImage::Format_ARGB32), "png") && ok;
    ok = save(folder, "deep.png", pattern(4, 3, QImage::Format_RGBA64), "png") && ok;
    ok = save(folder, "mono.png", pattern(10, 3, QImage::Format_Mono), "png") && ok;
    ok = save(folder, "baseline.jpg", pattern(8, 8, QImage::Format_RGB32), "jpeg", 90) && ok;
    ok = save(folder, "odd_size.jpg", pattern(13, 6, QImage::Format_RGB32), "jpeg", 30) && ok;
    ok = save(folder, "progressive.jpg", pattern(16, 9, QImage::Format_RGB32), "jpeg", 75, true) && ok;
    ok = save(folder, "optimized.jpg", pattern(9, 16, QImage::Format_RGB32), "jpeg", 60, false, true) && ok;
    ok = save(folder, "grey.jpg", pattern(8, 5, QImage::Format_Grayscale8), "jpeg", 80) && ok;
    return ok ? 0 : 1;
}
