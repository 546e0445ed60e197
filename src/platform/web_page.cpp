#include "platform/web_page.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace cw::web_page {

#ifdef __EMSCRIPTEN__

namespace {

constexpr const char* kLastingFolder = "/cinderwake-saves";

std::function<std::string()> g_dump;
std::string g_last_dump;

// clang-format off
EM_ASYNC_JS(int, cw_mount_lasting_folder, (const char* path), {
  const folder = UTF8ToString(path);
  try {
    FS.mkdirTree(folder);
    FS.mount(IDBFS, {}, folder);
  } catch (e) {
    return 0;
  }
  return await new Promise((resolve) => FS.syncfs(true, (error) => resolve(error ? 0 : 1)));
});

EM_ASYNC_JS(int, cw_write_through, (), {
  return await new Promise((resolve) => {
    try {
      FS.syncfs(false, (error) => resolve(error ? 0 : 1));
    } catch (e) {
      resolve(0);
    }
  });
});

EM_JS(void, cw_program_ended, (int status), {
  if (Module.cinderwakeEnded) Module.cinderwakeEnded(status);
});
// clang-format on

bool g_mounted = false;

}  // namespace

std::filesystem::path LastingFolder() {
  static bool tried = false;
  if (!tried) {
    tried = true;
    // Without storage (a browser that refuses it) the folder still works, for this visit only.
    g_mounted = cw_mount_lasting_folder(kLastingFolder) != 0;
  }
  return kLastingFolder;
}

bool WriteThrough(const std::filesystem::path& folder) {
  if (folder.lexically_normal() != std::filesystem::path(kLastingFolder)) return true;
  return g_mounted && cw_write_through() != 0;
}

ServedDump::ServedDump(std::function<std::string()> dump) { g_dump = std::move(dump); }

ServedDump::~ServedDump() {
  g_last_dump = g_dump();
  g_dump = nullptr;
}

void ProgramEnded(int status) { cw_program_ended(status); }

#else

std::filesystem::path LastingFolder() { return {}; }
bool WriteThrough(const std::filesystem::path&) { return true; }
ServedDump::ServedDump(std::function<std::string()>) {}
ServedDump::~ServedDump() = default;
void ProgramEnded(int) {}

#endif

}  // namespace cw::web_page

#ifdef __EMSCRIPTEN__
// window.cinderwakeDump(): the state dump as JSON text, or an empty text before any game.
extern "C" EMSCRIPTEN_KEEPALIVE const char* cinderwake_dump() {
  static std::string text;
  text = cw::web_page::g_dump ? cw::web_page::g_dump() : cw::web_page::g_last_dump;
  return text.c_str();
}
#endif
