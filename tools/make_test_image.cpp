// Draws the picture the image window opens with:
//   make_test_image data/Vezedu.dat data/TestImage.jpg
//
// 640 x 480 pixels on a neutral ground of N 6: a row of ten chips, one of
// each principal hue at 5/6 (the yellow at 8/6), three spheres lit from the
// upper left whose brightest point has the colour named below, and a row of
// greys from N 2 to N 9. Every chip is 50 pixels square on a 10-pixel grid,
// so a palette of the picture at n = 10 holds whole blocks of each chip, and
// clicking a chip's middle gives its notation back (within the rounding of
// 8-bit RGB and of the JPEG coding). The greys sit in thin N 1 frames.
#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>

#include "colorimetry/display.h"
#include "munsell/munsell_to_cie.h"
#include "munsell/renotation_table.h"

namespace {

using tintara::colorimetry::Condition;
using tintara::colorimetry::LinearRgb;
using tintara::munsell::MunsellColour;

constexpr int width = 640, height = 480;
constexpr double displayGamma = 2.2;  // the main window's display at start-up
// Sub-pixels per side for the spheres' smooth edges.
constexpr int edgeSamples = 4;
// Light from the upper left and in front; a sixth of it reaches the side in
// shadow, so the spheres keep their hue all over.
constexpr double ambient = 1.0 / 6;
constexpr int frameWidth = 2;
// The highest JPEG quality: the coding then moves a flat chip's channels by a
// step at most, which the window's averages smooth away.
constexpr int jpegQuality = 100;

const tintara::munsell::RenotationTable* table = nullptr;

// The display's linear RGB of a notation under illuminant C; nothing when
// the notation lies outside the data or the display.
std::optional<LinearRgb> linearOf(MunsellColour colour) {
    const auto xyz = tintara::munsell::munsellToXyz(*table, colour, Condition::C2, false);
    if (!xyz) return std::nullopt;
    const LinearRgb rgb = tintara::colorimetry::linearRgbFromXyz(xyz->xyz, Condition::C2);
    for (float v : {rgb.r, rgb.g, rgb.b})
        if (v < 0 || v > 1) return std::nullopt;
    return rgb;
}

// Cut down to a whole number, as the main window's display conversion does,
// so that a chip holds the very RGB the main window shows for its notation.
int encoded(double linear) { return int(255 * std::pow(std::clamp(linear, 0.0, 1.0), 1 / displayGamma)); }

QRgb pixelOf(LinearRgb c) { return qRgb(encoded(c.r), encoded(c.g), encoded(c.b)); }

LinearRgb mix(LinearRgb a, LinearRgb b, double t) {
    return {float(a.r + (b.r - a.r) * t), float(a.g + (b.g - a.g) * t), float(a.b + (b.b - a.b) * t)};
}

void chip(QImage& image, int x0, int y0, int side, LinearRgb colour) {
    for (int y = y0; y < y0 + side; ++y)
        for (int x = x0; x < x0 + side; ++x) image.setPixel(x, y, pixelOf(colour));
}

// A chip mounted in a dark frame outside its own square, so that the grey
// of the ground's value still stands out.
void framedChip(QImage& image, int x0, int y0, int side, LinearRgb colour, LinearRgb frame) {
    chip(image, x0 - frameWidth, y0 - frameWidth, side + 2 * frameWidth, frame);
    chip(image, x0, y0, side, colour);
}

// A matt sphere: the colour scaled by the light falling on each point, its
// edge blended with the ground in linear light.
void sphere(QImage& image, double cx, double cy, double r, LinearRgb colour, LinearRgb ground) {
    const double lx = -0.45, ly = -0.55, lz = std::sqrt(1 - lx * lx - ly * ly);
    for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
        for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
            double shade = 0;
            int inside = 0;
            for (int j = 0; j < edgeSamples; ++j)
                for (int i = 0; i < edgeSamples; ++i) {
                    const double nx = (x + (i + 0.5) / edgeSamples - cx) / r;
                    const double ny = (y + (j + 0.5) / edgeSamples - cy) / r;
                    if (nx * nx + ny * ny > 1) continue;
                    const double nz = std::sqrt(1 - nx * nx - ny * ny);
                    shade += ambient + (1 - ambient) * std::max(0.0, nx * lx + ny * ly + nz * lz);
                    ++inside;
                }
            if (inside == 0) continue;
            const double lit = shade / inside;
            const LinearRgb shaded{float(colour.r * lit), float(colour.g * lit), float(colour.b * lit)};
            image.setPixel(x, y, pixelOf(mix(ground, shaded, double(inside) / (edgeSamples * edgeSamples))));
        }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_test_image Vezedu.dat TestImage.jpg\n";
        return 2;
    }
    QCoreApplication app(argc, argv);  // finds the JPEG writer among Qt's plugins
    std::ifstream in(argv[1], std::ios::binary);
    auto loaded = tintara::munsell::loadRenotationTable(in);
    if (!loaded.table) {
        std::cerr << "make_test_image: " << argv[1] << ": " << loaded.error << '\n';
        return 1;
    }
    table = loaded.table.get();

    // Hue numbers: 10 k + 5 is the principal hue of family k (5R = 5 ... 5RP = 95).
    const auto colour = [](float hue, float value, float chroma) {
        const auto c = linearOf({hue, value, chroma});
        if (!c) {
            std::cerr << "make_test_image: " << hue << " " << value << "/" << chroma << " is outside the display\n";
            std::exit(1);
        }
        return *c;
    };
    const LinearRgb ground = colour(0, 6, 0);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(pixelOf(ground));
    for (int k = 0; k < 10; ++k) chip(image, 20 + 60 * k, 30, 50, colour(10 * k + 5, k == 2 ? 8 : 5, 6));
    sphere(image, 120, 215, 85, colour(5, 4, 10), ground);    // 5R 4/10
    sphere(image, 320, 215, 85, colour(32.5, 8, 8), ground);  // 2.5GY 8/8
    sphere(image, 520, 215, 85, colour(75, 5, 6), ground);    // 5PB 5/6
    const LinearRgb frame = colour(0, 1, 0);
    for (int v = 2; v <= 9; ++v) framedChip(image, 40 + 70 * (v - 2), 360, 50, colour(0, float(v), 0), frame);

    const std::string partial = std::string(argv[2]) + ".part";
    if (!image.save(QString::fromStdString(partial), "JPEG", jpegQuality) ||
        std::rename(partial.c_str(), argv[2]) != 0) {
        std::remove(partial.c_str());
        std::cerr << "make_test_image: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
