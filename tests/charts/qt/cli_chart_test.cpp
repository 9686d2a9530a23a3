// tintara-cli chart as a script runs it: bad options and unwritable files give
// their status and leave no file.
#include <QProcess>

#include "workspace/main_window_fixture.h"

namespace tintara::testkit {
namespace {

class CliChart : public ::testing::Test {
protected:
    int run(const QStringList& args) {
        QProcess cli;
        cli.setWorkingDirectory(QString::fromStdString(folder.path().string()));
        cli.start(QStringLiteral(TINTARA_CLI), args);
        EXPECT_TRUE(cli.waitForFinished(60000));
        errors = QString::fromUtf8(cli.readAllStandardError()).toStdString();
        return cli.exitCode();
    }

    ScratchFolder folder;
    std::string errors;
};

TEST_F(CliChart, BadOptionsRefusedEntriesAndUnwritableFilesLeaveNoFile) {
    const struct {
        QStringList args;
        int status;
        const char* error;
    } cases[] = {
        {{"chart", "hue"}, 2, "tintara-cli: chart needs --png FILE (see tintara-cli --help)\n"},
        {{"chart", "pie", "--png", "p.png"},
         2,
         "tintara-cli: chart needs hue, value, tolerance or colorchecker (see tintara-cli --help)\n"},
        {{"chart", "tolerance", "--tolerance", "25", "--png", "t.png"},
         2,
         "tintara-cli: the tolerance must be a number of CIELAB units from 1 to 20, in tenths (see tintara-cli "
         "--help)\n"},
        {{"chart", "hue", "--tolerance", "2", "--png", "h.png"},
         2,
         "tintara-cli: --tolerance is for the tolerance chart (see tintara-cli --help)\n"},
        {{"chart", "hue", "munsell", "5R", "--png", "h.png"},
         2,
         "tintara-cli: chart takes a FORM and its values, as convert does, or none for the start-up colour (see "
         "tintara-cli --help)\n"},
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
