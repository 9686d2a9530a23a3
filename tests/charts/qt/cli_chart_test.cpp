// tintara-cli chart as a script runs it: the picture decodes, has the chart
// window's size, and a chip's pixel is the colour the same chart holds when
// drawn headless here; bad options and unwritable files give their status and
// leave no file.
#include <QDir>
#include <QImage>
#include <QProcess>

#include "charts/CChecker.h"
#include "charts/CTol.h"
#include "charts/book.h"
#include "charts/book2.h"
#include "workspace/main_window_fixture.h"
#include "workspace/typed_entry.h"

namespace tintara::testkit {
namespace {

using workspace::Companion;

class CliChart : public MainWindowTest {
protected:
    void SetUp() override { start(); }
    int run(const QStringList& args) {
        QProcess cli;
        cli.setWorkingDirectory(QString::fromStdString(folder.path().string()));
        cli.start(QStringLiteral(TINTARA_CLI), args);
        EXPECT_TRUE(cli.waitForFinished(60000));
        errors = QString::fromUtf8(cli.readAllStandardError()).toStdString();
        return cli.exitCode();
    }
    QString file(const QString& name) { return QDir(QString::fromStdString(folder.path().string())).filePath(name); }

    std::string errors;
};

TEST_F(CliChart, EachChartIsWrittenAsTheWindowShowsIt) {
    workspace::typeEntry(w(), workspace::EntryForm::Munsell, {"5R", "5", "4"});
    double valueX = 0, valueY = 0;
    charts::book2::chipCentre(5, 4, valueX, valueY);
    const ui::TwipRect hueChip = charts::book::chipRect(charts::book::chipIndex(4, 5));
    const ui::TwipRect lighter = charts::CTol::chipRect(1), red = charts::CChecker::patchRect(14);
    const struct {
        const char* chart;
        ui::CheckBox* box;
        Companion which;
        QSize size;
        double x, y;  // twips
    } cases[] = {
        {"hue", &w().Check2, Companion::HuePage, {812, 530}, hueChip.left + 300.0, hueChip.top + 300.0},
        {"value", &w().Check4, Companion::ValuePage, {593, 553}, valueX, valueY},
        {"tolerance", &w().Check3, Companion::Tolerance, {475, 347}, lighter.left + 540.0, lighter.top + 540.0},
        {"colorchecker", &w().Check5, Companion::ColorChecker, {673, 489}, red.left + 700.0, red.top + 700.0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.chart);
        QStringList args{"chart", k.chart, "munsell", "5R", "5", "4", "--png", QStringLiteral("%1.png").arg(k.chart)};
        if (std::string(k.chart) == "tolerance")
            args << "--tolerance"
                 << "1.5";
        ASSERT_EQ(run(args), 0) << errors;
        const QImage picture(file(QStringLiteral("%1.png").arg(k.chart)));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), k.size);

        k.box->setValue(1);
        if (std::string(k.chart) == "tolerance")
            for (int i = 0; i < 3; ++i) companions->tolerance().HScroll1[i].setValue(15);
        auto* chart = dynamic_cast<charts::ChartWindow*>(companions->existing(k.which));
        ASSERT_NE(chart, nullptr);
        ui::Rgb held;
        ASSERT_TRUE(chart->Drawing.colorAt(float(k.x), float(k.y), held));
        EXPECT_EQ(picture.pixelColor(int(k.x / 15), int(k.y / 15)), QColor(held.r, held.g, held.b));
    }
}

TEST_F(CliChart, BadOptionsRefusedEntriesAndUnwritableFilesLeaveNoFile) {
    const struct {
        QStringList args;
        int status;
        const char* error;
    } cases[] = {
        {{"chart", "hue"}, 2, "tintara-cli: chart needs --png FILE (see tintara-cli --help)\n"},
        {{"chart", "pie", "--png", "p.png"}, 2, "tintara-cli: chart needs hue, value, tolerance or colorchecker (see tintara-cli --help)\n"},
        {{"chart", "tolerance", "--tolerance", "25", "--png", "t.png"},
         2,
         "tintara-cli: the tolerance must be a number of CIELAB units from 1 to 20, in tenths (see tintara-cli --help)\n"},
        {{"chart", "hue", "--tolerance", "2", "--png", "h.png"},
         2,
         "tintara-cli: --tolerance is for the tolerance chart (see tintara-cli --help)\n"},
        {{"chart", "hue", "munsell", "5R", "--png", "h.png"},
         2,
         "tintara-cli: chart takes a FORM and its values, as convert does, or none for the start-up colour (see tintara-cli --help)\n"},
        {{"chart", "hue", "lab", "-20", "0", "0", "--png", "h.png"}, 1, "L* must not be below -16\n"},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(run(k.args), k.status) << k.args.join(' ').toStdString();
        EXPECT_EQ(errors, k.error);
    }
    std::filesystem::create_directory(folder.path() / "taken.png");
    EXPECT_EQ(run({"chart", "value", "--png", "taken.png"}), 1);
    EXPECT_NE(errors.find("The picture could not be written to taken.png"), std::string::npos) << errors;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace tintara::testkit
