// The exit statuses of tintara-cli.
#pragma once

namespace tintara::cli {

inline constexpr int exitDone = 0;         // the command did what it was asked
inline constexpr int exitRefused = 1;      // an entry was refused or a measurement or save failed
inline constexpr int exitUsage = 2;        // the command line was not understood, or an option value was refused
inline constexpr int exitStartFailed = 3;  // the window could not start

}  // namespace tintara::cli
