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

void ShowStat(Element* label, int64_t value) { label->caption = std::to_string(value); }

// Lines are applied in file order: the location is loaded after the offsets and before the position.
void Apply(Game& g, int n, const SavedValue& v) {
  switch (n) {
    case 0: g.helpXCity = v.number; break;
    case 1: g.helpYCity = v.number; break;
    case 2:
      g.GamePhase = v.text;
      LoadLocation(g, "save");
      break;
    case 3: g.My_x = v.number; break;
    case 4: g.My_y = v.number; break;
    case 5:
      g.Strength = v.number;
      ShowStat(g.e.lblStrenght, g.Strength);
      break;
    case 6:
      g.Endurance = v.number;
      ShowStat(g.e.lblEndurance, g.Endurance);
      break;
    case 7:
      g.Vitality = v.number;
      ShowStat(g.e.lblVitality, g.Vitality);
      break;
    case 8:
      g.Ultimate = v.number;
      ShowStat(g.e.lblUltimate, g.Ultimate);
      break;
    case 9:
      g.Healing = v.number;
      ShowStat(g.e.lblHealing, g.Healing);
      break;
    case 10: g.Experience = v.number; break;
    case 11: g.ExperienceNeeded = v.number; break;
    case 12:
      g.Level = v.number;
      ShowStat(g.e.lblLevel, g.Level);
      break;
    case 13: g.Life = v.number; break;
    case 14: v.number != 0 ? g.ui.Show(g.e.imgKey) : g.ui.Hide(g.e.imgKey); break;
    case 15: v.number != 0 ? g.ui.Show(g.e.imgCard) : g.ui.Hide(g.e.imgCard); break;
    case 16: g.e.lblPoints->caption = v.text; break;
    default: break;
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
  for (size_t n = 0; n < save.values.size(); ++n) Apply(g, int(n), save.values[n]);
  return true;
}

}  // namespace cw
