#include "shell/game.h"

#include <map>

#include "shell/embedded_assets.h"

namespace cw {
namespace {

// The built-in pictures never change, so each is decoded once per run of the program.
Surface LoadEmbedded(Platform& platform, const std::string& name) {
  static std::map<std::string, Surface> decoded;
  auto it = decoded.find(name);
  if (it == decoded.end()) {
    auto bytes = EmbeddedAsset(name);
    auto pic = platform.DecodePicture(bytes.data(), bytes.size());
    if (!pic) throw std::runtime_error("embedded picture " + name + " does not decode");
    it = decoded.emplace(name, std::move(*pic)).first;
  }
  return it->second;
}

}  // namespace

Game::Game(Platform& p, std::filesystem::path dir)
    : platform(p),
      ui(p, [&p](const std::string& name) { return LoadEmbedded(p, name); }),
      e(ui.e),
      MP1(p),
      data_dir(std::move(dir)),
      save_dir(data_dir) {}

void Game::LoadPicture(Element* el, const std::string& file_name) {
  auto pic = platform.DecodePicture(DataFile(file_name));
  if (!pic) throw RuntimeFault("can't load picture " + file_name);
  el->SetPicture(std::move(*pic));
}

}  // namespace cw
