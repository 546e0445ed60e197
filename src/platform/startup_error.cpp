#include "platform/startup_error.h"

#include <cstdlib>
#include <iostream>

#include <SDL.h>

namespace cw {

void ReportStartupError(const std::string& message) {
  std::cerr << "cinderwake: " << message << "\n";
#ifdef _WIN32
  // A double-clicked program has no console to read the error on; Windows always has a desktop.
  bool display = true;
#else
  bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
#endif
  if (display) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Cinderwake", message.c_str(), nullptr);
}

}  // namespace cw
