#include "platform/x11_window.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace cw {

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

// Xlib is loaded already by SDL's X11 driver; its functions are looked up there rather than linked, so
// the program needs no more than SDL does.
struct Xlib {
  using GetWindowAttributes = Status (*)(Display*, Window, XWindowAttributes*);
  using InternAtom = Atom (*)(Display*, const char*, Bool);
  using GetWindowProperty = int (*)(Display*, Window, Atom, long, long, Bool, Atom, Atom*, int*, unsigned long*,
                                    unsigned long*, unsigned char**);
  using Free = int (*)(void*);
  GetWindowAttributes get_window_attributes = nullptr;
  InternAtom intern_atom = nullptr;
  GetWindowProperty get_window_property = nullptr;
  Free free = nullptr;

  static const Xlib* Get() {
    static const Xlib xlib = [] {
      Xlib x;
      void* lib = SDL_LoadObject("libX11.so.6");
      if (!lib) return x;
      x.get_window_attributes = reinterpret_cast<GetWindowAttributes>(SDL_LoadFunction(lib, "XGetWindowAttributes"));
      x.intern_atom = reinterpret_cast<InternAtom>(SDL_LoadFunction(lib, "XInternAtom"));
      x.get_window_property = reinterpret_cast<GetWindowProperty>(SDL_LoadFunction(lib, "XGetWindowProperty"));
      x.free = reinterpret_cast<Free>(SDL_LoadFunction(lib, "XFree"));
      return x;
    }();
    return xlib.get_window_attributes && xlib.intern_atom && xlib.get_window_property && xlib.free ? &xlib : nullptr;
  }
};

bool OnX11(SDL_Window* window, SDL_SysWMinfo& info) {
  SDL_VERSION(&info.version);
  return window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11;
}

}  // namespace

std::optional<std::pair<int, int>> X11WindowSize(SDL_Window* window) {
  SDL_SysWMinfo info;
  const Xlib* x = Xlib::Get();
  if (!x || !OnX11(window, info)) return std::nullopt;
  XWindowAttributes attributes;
  if (!x->get_window_attributes(info.info.x11.display, info.info.x11.window, &attributes)) return std::nullopt;
  return std::make_pair(attributes.width, attributes.height);
}

bool X11WithoutWindowManager(SDL_Window* window) {
  SDL_SysWMinfo info;
  const Xlib* x = Xlib::Get();
  if (!x || !OnX11(window, info)) return false;
  // A window manager that follows the desktop conventions names its check window on the root window.
  Display* display = info.info.x11.display;
  Atom check = x->intern_atom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return true;
  XWindowAttributes attributes;
  if (!x->get_window_attributes(display, info.info.x11.window, &attributes)) return false;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, left = 0;
  unsigned char* data = nullptr;
  int status = x->get_window_property(display, attributes.root, check, 0, 1, False, XA_WINDOW, &type, &format, &items,
                                      &left, &data);
  bool found = status == Success && type == XA_WINDOW && items == 1;
  if (data) x->free(data);
  return !found;
}

#else

std::optional<std::pair<int, int>> X11WindowSize(SDL_Window*) { return std::nullopt; }
bool X11WithoutWindowManager(SDL_Window*) { return false; }

#endif

}  // namespace cw
