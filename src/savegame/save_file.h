#pragma once
namespace cw {
class Game;
// Writes "SaveGame.txt"; false when the file could not be written (the previous file then stays whole).
bool SaveGame(Game& g);
// Reads "SaveGame.txt"; false when there is no loadable saved game (nothing is changed then).
bool LoadGame(Game& g);
}  // namespace cw
