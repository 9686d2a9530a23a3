// What tintara-cli --help and COMMAND --help print.
#pragma once

#include <optional>
#include <string>

namespace tintara::cli {

// Every command, option, form, output and status.
std::string generalUsage();

// The usage of one command (convert, save-palette, measure, chart ...); nothing for
// another name.
std::optional<std::string> commandUsage(const std::string& command);

}  // namespace tintara::cli
