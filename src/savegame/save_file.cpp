#include "savegame/save_file.h"

#include <filesystem>
#include <optional>
#include <string>

#include "platform/host_os.h"
#include "platform/web_page.h"
#include "play/game.h"
#include "savegame/save_format.h"
#include "world/location_loader.h"

namespace cw {
namespace {

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

// Puts back what the file held before a save (`previous`, or no file at all).
void PutBack(const std::filesystem::path& temp_path, const std::filesystem::path& final_path,
             const std::optional<std::string>& previous) {
  std::error_code ec;
  if (!previous) {
    std::filesystem::remove(final_path, ec);
  } else if (WriteFileDurably(temp_path, *previous)) {
    MoveIntoPlace(temp_path, final_path);
  }
}

}  // namespace

bool SaveGame(Game& g) {
  // The whole text is assembled before any file is touched.
  g.SaveGameText = SaveGameTextOf(g);
  // The whole file onto the disk under a temporary name, then in place of the old one in one step.
  std::filesystem::path temp_path = g.save_dir / kSaveTempName;
  std::filesystem::path final_path = g.save_dir / kSaveFileName;
  std::optional<std::string> previous = ReadWholeFile(final_path);
  if (!WriteFileDurably(temp_path, g.SaveGameText + "\r\n")) return false;
  if (!MoveIntoPlace(temp_path, final_path)) return false;
  // In a web page the folder lives in memory: the game is saved once the browser's storage has it.
  if (!web_page::WriteThrough(g.save_dir)) {
    PutBack(temp_path, final_path, previous);  // as the storage still has it
    return false;
  }
  return true;
}

bool LoadGame(Game& g) {
  // A missing or unreadable file counts as no saved game.
  auto bytes = ReadWholeFile(g.save_dir / kSaveFileName);
  if (!bytes) return false;
  CheckedSave save = CheckSaveGame(*bytes);
  if (save.result != CheckedSave::Result::Loadable) return false;
  for (size_t n = 0; n < save.values.size(); ++n) Apply(g, kSaveLines[n], save.values[n]);
  return true;
}

}  // namespace cw
