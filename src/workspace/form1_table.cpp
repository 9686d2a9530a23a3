// "Make Table" of the service mode: the Munsell table file under the
// illuminant, display settings and PWD option of the moment. Its numbers come
// from the core, not from the window's conversions, so no field of the main
// window and no chart changes while it is made.
#include "datafiles/munsell_table.h"
#include "workspace/form1.h"
#include "workspace/service_run.h"

namespace tintara::workspace {

void Form1::Command3_Click() {
    if (serviceRunning_) return;
    ServiceRun run(*this, serviceRunning_);
    const datafiles::MunsellTableSettings settings{condition(), display_, pwd()};
    const datafiles::MunsellTable table = datafiles::munsellTable(*table_, settings, caption() + outputNotice(*this));
    const auto path = files_.workingDir / datafiles::munsellTableFile;
    std::error_code ec;
    const bool existed = std::filesystem::is_regular_file(path, ec);
    datafiles::WholeFile out(path, writeSeam);
    if (!out.open() || !out.write(table.text) || !out.commit()) {
        const std::string message =
            out.error() + (existed ? ". The previous " + path.filename().string() + " keeps what it held."
                                   : ". No table was written.");
        platform_.dialogs.messageBox(message, ui::MessageButtons::OK, ui::MessageIcon::Critical, "Make Table");
        serviceOutcome_ = {false, 0, 0, message};
        return;
    }
    // "Done" only once the file is whole under its name.
    platform_.dialogs.messageBox("Done");
    serviceOutcome_ = {true, table.rows, 0, "Done"};
}

}  // namespace tintara::workspace
