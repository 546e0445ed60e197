#pragma once
// What the program shares with the web page it runs in (the browser build): the browser's lasting
// storage for the saved game and the settings, the state dump the page offers as
// window.cinderwakeDump(), and the end of the program. On the desktop these do nothing.
#include <filesystem>
#include <functional>
#include <string>

namespace cw::web_page {

// The folder in the browser's persistent storage (IndexedDB) that keeps the saved game and the
// settings, read in from there when first asked for; empty outside a browser. The program's files live
// in memory: only this folder outlasts the page.
std::filesystem::path LastingFolder();

// Writes what changed in `folder` through to the browser's storage and returns once it is there; false
// when the storage refused it (full, or not allowed). True for any other folder and on the desktop.
bool WriteThrough(const std::filesystem::path& folder);

// For as long as it lives, window.cinderwakeDump() answers with what `dump` gives; afterwards with its
// last answer, so that the state a program ended in can still be read.
class ServedDump {
 public:
  explicit ServedDump(std::function<std::string()> dump);
  ~ServedDump();
  ServedDump(const ServedDump&) = delete;
  ServedDump& operator=(const ServedDump&) = delete;
};

// Tells the page that the program has ended with `status`.
void ProgramEnded(int status);

}  // namespace cw::web_page
