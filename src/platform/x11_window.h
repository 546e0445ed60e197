#pragma once
// What the X server itself says about a window, which SDL may not know: without a window manager, or
// with one that refuses full screen, SDL takes a full-screen window to cover the screen while it stays
// the size it was. Nothing is known for a window that isn't on X.
#include <optional>
#include <utility>

struct SDL_Window;

namespace cw {

// The window's size in pixels as the X server has it.
std::optional<std::pair<int, int>> X11WindowSize(SDL_Window* window);
// True when the window is on an X server with no window manager running (none to grant full screen).
bool X11WithoutWindowManager(SDL_Window* window);

}  // namespace cw
