#include "savegame/save_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "play/game.h"
#include "savegame/save_format.h"
#include "world/location_loader.h"

namespace cw {
namespace {

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

// The whole file onto the disk under a temporary name; false (and no temporary file) on any failure.
bool WriteTemporary(const std::string& path, const std::string& bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) ::unlink(path.c_str());
  return ok;
}

// Makes the rename itself durable; a folder that can't be synced still holds the new file.
void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The file's bytes, or nothing when it is missing or can't be read.
std::optional<std::string> ReadAll(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buf[4096];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buf, size_t(n));
  }
  ::close(fd);
  return bytes;
}

// Lines are applied one at a time, in file order.
void Apply(Game& g, const SaveLine& field, const SavedValue& v) {
  switch (field.kind) {
    case SaveKind::Position: g.*field.position = v.number; break;
    case SaveKind::Location:
      g.*field.location = v.text;
      LoadLocation(g, "save");
      break;
    case SaveKind::Stat16:
      g.*field.stat16 = v.number;
      if (field.element) (g.e.*field.element)->caption = std::to_string((g.*field.stat16).get());
      break;
    case SaveKind::Stat32: g.*field.stat32 = v.number; break;
    case SaveKind::Item: v.number != 0 ? g.ui.Show(g.e.*field.element) : g.ui.Hide(g.e.*field.element); break;
    case SaveKind::Points: (g.e.*field.element)->caption = v.text; break;
  }
}

}  // namespace

bool SaveGame(Game& g) {
  // The whole text is assembled before any file is touched.
  g.SaveGameText = SaveGameTextOf(g);
  std::string final_path = g.SaveFile(kSaveFileName);
  std::string temp_path = g.SaveFile(kSaveTempName);
  if (!WriteTemporary(temp_path, g.SaveGameText + "\r\n")) return false;
  if (std::rename(temp_path.c_str(), final_path.c_str()) != 0) {
    ::unlink(temp_path.c_str());
    return false;
  }
  SyncFolder(g.save_dir);
  return true;
}

bool LoadGame(Game& g) {
  // A missing or unreadable file counts as no saved game.
  auto bytes = ReadAll(g.SaveFile(kSaveFileName));
  if (!bytes) return false;
  CheckedSave save = CheckSaveGame(*bytes);
  if (save.result != CheckedSave::Result::Loadable) return false;
  for (size_t n = 0; n < save.values.size(); ++n) Apply(g, kSaveLines[n], save.values[n]);
  return true;
}

}  // namespace cw
