#pragma once
#include <string>
namespace cw {
// Tells the player why the game can't start: on standard error, and in a message box when a display is there.
void ReportStartupError(const std::string& message);
}  // namespace cw
