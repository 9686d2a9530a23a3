// The service mode's runs as the command line starts them: the code typed into
// the message line, then the button, as a person does. The questions the runs
// ask are answered by the platform's dialogs.
#pragma once

#include "workspace/form1.h"

namespace tintara::workspace {

// Types the service code into the message line, which shows "Make Table" and
// "Import".
void openServiceMode(Form1& window);

// Presses "Import"; how the run ended.
const ServiceOutcome& pressImport(Form1& window);

// Presses "Make Table"; how it ended.
const ServiceOutcome& pressMakeTable(Form1& window);

}  // namespace tintara::workspace
