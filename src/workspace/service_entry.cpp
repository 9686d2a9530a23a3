#include "workspace/service_entry.h"

namespace tintara::workspace {

void openServiceMode(Form1& window) {
    window.Text3.select(0, int(window.Text3.text().size()));
    window.Text3.type("kqv");
}

const ServiceOutcome& pressImport(Form1& window) {
    openServiceMode(window);
    window.import.click();
    return window.serviceOutcome();
}

const ServiceOutcome& pressMakeTable(Form1& window) {
    openServiceMode(window);
    window.Command3.click();
    return window.serviceOutcome();
}

}  // namespace tintara::workspace
