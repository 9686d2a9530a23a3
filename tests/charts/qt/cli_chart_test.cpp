// tintara-cli chart as a script runs it: bad options and unwritable files give
// their status and leave no file.
#include <QDir>

#include "qt/desktop_fixture.h"

namespace tintara::ui::qt {
namespace {

struct CliChart : ::testing::Test {
    QTemporaryDir dir;
};

TEST_F(CliChart, BadOptionsRefusedEntriesAndUnwritableFilesLeaveNoFile) {
    const std::string help = " (see tintara-cli --help)\n";
    const struct {
        QStringList args;
        int status;
        std::string error;
    } cases[] = {
        {{"chart", "hue"}, 2, "tintara-cli: chart needs --png FILE" + help},
        {{"chart", "pie", "--png", "p.png"},
         2,
         "tintara-cli: chart needs hue, value, tolerance or colorchecker" + help},
        {{"chart", "tolerance", "--tolerance", "25", "--png", "t.png"},
         2,
         "tintara-cli: the tolerance must be a number of CIELAB units from 1 to 20, in tenths" + help},
        {{"chart", "hue", "--tolerance", "2", "--png", "h.png"},
         2,
         "tintara-cli: --tolerance is for the tolerance chart" + help},
        {{"chart", "hue", "munsell", "5R", "--png", "h.png"},
         2,
         "tintara-cli: chart takes a FORM and its values, as convert does, or none for the start-up colour" + help},
        {{"chart", "hue", "lab", "-20", "0", "0", "--png", "h.png"}, 1, "L* must not be below -16\n"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(runCli(dir.path(), k.args), std::pair(k.status, k.error)) << k.args.join(' ').toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.png")));
    const auto [status, errors] = runCli(dir.path(), {"chart", "value", "--png", "taken.png"});
    EXPECT_EQ(status, 1);
    EXPECT_NE(errors.find("The picture could not be written to taken.png"), std::string::npos) << errors;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"taken.png"});
}

}  // namespace
}  // namespace tintara::ui::qt
