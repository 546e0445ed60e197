#pragma once
namespace cw {
class Game;
struct ActorRecord;
// A splat where an enemy died; splats fade after a while.
void MakeBloodSplat(Game& g, const ActorRecord& enemy);
void UpdateBloodSplats(Game& g);
}  // namespace cw
