#pragma once
// What differs between Linux and Windows outside SDL: the program's folder, the command line's text,
// the console, the player's own data folder, and writing a file for good.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cw {

// The folder the running program lives in (the current folder if that can't be found).
std::filesystem::path ProgramFolder();

// The command line as UTF-8 texts. Windows hands main() its arguments in the ANSI code page, so there
// they are taken from the UTF-16 command line instead; elsewhere they are argv as it is.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// A Windows window program has no console of its own: it writes to its caller's console when started
// from one, and to its standard output and error whenever they are redirected. Nothing elsewhere.
void UseCallersConsole();

// The player's roaming application data folder on Windows (%APPDATA%); nothing elsewhere.
std::optional<std::filesystem::path> WindowsAppDataFolder();

// Writes `bytes` to `path` and onto the disk; false (and no file left behind) on any failure.
bool WriteFileDurably(const std::filesystem::path& path, const std::string& bytes);
// Puts `from` in the place of `to` in one step, for good; on failure `from` is removed and `to` stays.
bool MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to);
// The file's bytes, or nothing when it is missing or can't be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace cw
