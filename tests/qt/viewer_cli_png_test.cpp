// "tintara-cli view" draws the palette viewer's display into a PNG that
// decodes to exactly the picture the headless viewer draws for the same
// palette and view, with each dot where the tables put it.
#include <gtest/gtest.h>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>

#include "datafiles/palette_record.h"
#include "ui/headless/headless_platform.h"
#include "viewer3d/form3.h"
#include "workspace/form1.h"

namespace tintara::ui::qt {
namespace {

TEST(ViewCommand, ThePngShowsTheDotsTheHeadlessDisplayHas) {
    QTemporaryDir dir;
    const std::string palette = dir.filePath("shown.csv").toStdString();
    {
        std::ofstream out(palette, std::ios::binary);
        const char* const samples[][4] = {{"a", "5R", "5", "12"},   {"b", "5Y", "8", "8"},    {"c", "5G", "6", "6"},
                                          {"d", "5PB", "3", "8"},   {"e", "10RP", "4", "10"}, {"f", "N", "9", "0"},
                                          {"g", "2.5BG", "7", "4"}, {"h", "7.5YR", "6", "10"}};
        for (const auto& s : samples) {
            datafiles::PaletteSample record;
            record.tag = s[0];
            record.munsell = {s[1], s[2], s[3]};
            out << datafiles::paletteRecord(record);
        }
    }
    QProcess cli;
    cli.setWorkingDirectory(dir.path());
    cli.start(QStringLiteral(TINTARA_CLI),
              {"view", "shown.csv", "--turn", "40", "--tilt", "30", "--zoom", "15", "--png", "shown.png"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    QImage png;
    ASSERT_TRUE(png.load(dir.filePath("shown.png")));
    ASSERT_EQ(png.size(), QSize(401, 393));

    HeadlessPlatform headless;
    const workspace::FileLocations files{dir.path().toStdString(),
                                         {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}};
    workspace::Form1 main(headless.platform(), files);
    std::string error;
    ASSERT_TRUE(main.Form_Load(error)) << error;
    viewer3d::Form3 viewer(main, headless.platform(), files);
    main.paletteFile = "shown.csv";
    viewer.GetData(2);
    ASSERT_EQ(viewer.tables().palCount, 8);
    viewer.HScroll1.setValue(40);
    viewer.VScroll1.setValue(60);
    viewer.VScroll2.setValue(15);
    viewer.drawPalette();

    const Surface& surface = viewer.Picture1.surface();
    int differing = 0;
    for (int y = 0; y < 393; ++y)
        for (int x = 0; x < 401; ++x) {
            Rgb c;
            surface.pixel(x, y, c);
            differing += QColor(png.pixel(x, y)) != QColor(c.r, c.g, c.b);
        }
    EXPECT_EQ(differing, 0);
    const UserCoordinates u = viewer.Picture1.scale();
    const auto& pal = viewer.tables();
    for (int i = 1; i <= 8; ++i) {
        const int px = int(std::floor(u.toPixelX(pal.palXY[i][0]))), py = int(std::floor(u.toPixelY(pal.palXY[i][1])));
        EXPECT_EQ(QColor(png.pixel(px, py)), QColor(pal.palRGB[i].r, pal.palRGB[i].g, pal.palRGB[i].b)) << i;
    }
}

}  // namespace
}  // namespace tintara::ui::qt
