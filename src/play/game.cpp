#include "play/game.h"

#include <functional>
#include <map>
#include <optional>
#include <string_view>

#include "platform/host_os.h"
#include "platform/utf8_path.h"
#include "ui/embedded_assets.h"

namespace cw {
namespace {

const Settings kDefaultSettings;

// The built-in pictures never change, so each is decoded once per run of the program and shared.
std::shared_ptr<const Surface> LoadEmbedded(Media& media, const std::string& name) {
  static std::map<std::string, std::shared_ptr<const Surface>> decoded;
  auto it = decoded.find(name);
  if (it == decoded.end()) {
    auto bytes = EmbeddedAsset(name);
    auto pic = media.DecodePicture(bytes.data(), bytes.size());
    if (!pic) throw std::runtime_error("embedded picture " + name + " does not decode");
    it = decoded.emplace(name, std::make_shared<const Surface>(std::move(*pic))).first;
  }
  return it->second;
}

// A file's length and a hash of its bytes: equal for the same picture, whatever its time stamp says.
struct FileContent {
  size_t size = 0;
  size_t hash = 0;
  bool operator==(const FileContent& other) const { return size == other.size && hash == other.hash; }
};

std::optional<FileContent> ContentOf(const std::string& path) {
  std::optional<std::string> bytes = ReadWholeFile(PathFromUtf8(path));
  if (!bytes) return std::nullopt;
  return FileContent{bytes->size(), std::hash<std::string_view>{}(*bytes)};
}

// Brings a picture back from its file should the surface be cleared, and tells which file that is.
struct FileReload {
  Media* media;
  std::string path;
  FileContent content;
  std::shared_ptr<const Surface> operator()() const {
    auto again = media->DecodePicture(path);
    return again ? std::make_shared<const Surface>(std::move(*again)) : nullptr;
  }
};

}  // namespace

Game::Game(Session& s, Media& m, std::filesystem::path dir, const Settings* player_settings)
    : session(s),
      media(m),
      ui(s, m, [&m](const std::string& name) { return LoadEmbedded(m, name); }),
      e(ui.e),
      MP1(s),
      settings(player_settings ? *player_settings : kDefaultSettings),
      data_dir(std::move(dir)),
      save_dir(data_dir) {
  // A controller in play gives the default play keys; the play area takes the player's.
  ui.play_key = [this](int key) {
    auto action = kDefaultSettings.ActionOf(key);
    return action ? settings.Key(*action) : key;
  };
}

void Game::LoadMask(Element* el, const std::string& file_name) {
  // More colours than a palette holds, or no picture at all: loaded as any other picture.
  auto mask = media.DecodeIndexed(DataFile(file_name));
  if (!mask) return LoadPicture(el, file_name);
  el->SetPicture(std::move(*mask));
}

void Game::LoadPicture(Element* el, const std::string& file_name) {
  std::string path = DataFile(file_name);
  std::optional<FileContent> content = ContentOf(path);
  // The buffer holds this very file already (a new game loads the city again): decoding it once more
  // would only hold a second 15 MB copy for a moment.
  const auto* held = el->reload_picture.target<FileReload>();
  if (held && content && held->path == path && held->content == *content && !el->picture && !el->indexed &&
      el->buffer.width == el->ClientWidth() && el->buffer.height == el->ClientHeight())
    return;
  auto pic = media.DecodePicture(path);
  if (!pic) throw RuntimeFault("can't load picture " + file_name);
  // Read again from the file should the surface be cleared (a missing file then leaves the back colour).
  el->SetPicture(std::move(*pic), FileReload{&media, path, content.value_or(FileContent{})});
}

}  // namespace cw
