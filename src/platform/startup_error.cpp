#include "platform/startup_error.h"

#include <cstdlib>
#include <iostream>

#include <SDL.h>

namespace cw {

void ReportStartupError(const std::string& message) {
  std::cerr << "cinderwake: " << message << "\n";
  if (std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY"))
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Cinderwake", message.c_str(), nullptr);
}

}  // namespace cw
