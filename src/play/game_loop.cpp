#include "play/game_loop.h"

#include <algorithm>

#include "actors/blood_splats.h"
#include "actors/boss.h"
#include "actors/enemies.h"
#include "actors/enemy_spawning.h"
#include "actors/first_aid_kits.h"
#include "actors/player_movement.h"
#include "actors/shots.h"
#include "external/image_effects.h"
#include "play/end_of_game.h"
#include "play/game.h"
#include "play/life_and_levels.h"
#include "play/messages.h"
#include "runtime/pacing.h"
#include "world/map_triggers.h"

namespace cw {
namespace {

void DrawLocation(Game& g) {
  const Element& picture = *g.e.picHelp_city_base;
  const Element& mask = *g.e.picHelp_city_collid;
  int x = CInt(g.helpXCity), y = CInt(g.helpYCity);
  Blit(g.e.picCity_base->buffer, x, y, CInt(picture.width), CInt(picture.height), picture.buffer, 0, 0);
  mask.CopyTo(g.e.picCity_Collid->buffer, x, y, CInt(mask.width), CInt(mask.height));
}

// True when the location picture will cover the whole play area, so clearing it first changes nothing.
bool LocationCoversPlayArea(Game& g) {
  const Element& area = *g.e.picCity_base;
  const Element& picture = *g.e.picHelp_city_base;
  if (area.picture || area.reload_picture || area.back_colour != 0) return false;
  const Surface& dst = area.buffer;
  if (dst.width != area.ClientWidth() || dst.height != area.ClientHeight()) return false;
  try {
    // As DrawLocation's copy clips it.
    int64_t x = CInt(g.helpXCity), y = CInt(g.helpYCity);
    int64_t w = std::min<int64_t>(CInt(picture.width), picture.buffer.width);
    int64_t h = std::min<int64_t>(CInt(picture.height), picture.buffer.height);
    return x <= 0 && y <= 0 && x + w >= dst.width && y + h >= dst.height;
  } catch (const RuntimeFault&) {
    return false;  // DrawLocation meets the fault itself, after the clearing
  }
}

void DrawPlayer(Game& g) {
  const Element& pose = g.ui.Find("picPhase" + g.charPhase.Text());
  FoxRotate(g.e.picCity_base->buffer, CInt(g.My_x), CInt(g.My_y), pose.buffer, pose.buffer, kCyan, g.angle, 1);
}

void DrawBossLifeBar(Game& g) {
  const Element& bar = *g.e.boss_life;
  FoxAlphaBlend(g.e.picCity_base->buffer, 0, 0, CInt(2.0 * double(g.BossLife)), CInt(bar.height), bar.buffer, 0, 0, 100,
                kCyan, 0);
}

}  // namespace

void EnterGameLoop(Game& g) {
  g.MP1.SetFileName(g.DataFile("music.mp3"));
  g.MP1.Play();
  g.ui.SetFocus(g.e.picCity_base);
  Pacer pace(g.session);  // the first pass runs at once
  while (g.blnGame) {
    // A pass starts only once the tick is past the deadline; the wait does not look at events.
    pace.Wait();
    pace.SetDeadline(20);
    g.DoEvents();
    RunGameFrame(g);
    g.DoEvents();
  }
}

void RunGameFrame(Game& g) {
  ++g.passes;
  // A fault abandons the rest of the pass; the picture of this pass is not presented.
  try {
    TypeMessage(g);
    MovePlayer(g);
    CheckMapTriggers(g);
    // The play area and the hidden mask are built anew from the location surfaces.
    if (!LocationCoversPlayArea(g)) g.e.picCity_base->Clear();
    DrawLocation(g);
    UpdateBloodSplats(g);
    SpawnEnemies(g);
    g.ShotColDetected = false;
    UpdateEnemiesAndShots(g);
    if (g.MoveBoss) UpdateBoss(g);
    // With no live enemy the shots have not moved yet in this pass.
    if (!g.ShotColDetected) UpdateFallbackShots(g);
    UpdateFirstAidKits(g);
    UpdateStatusLabels(g);
    CheckNewLevel(g);
    DrawPlayer(g);
    if (g.Duvave2Boss) {
      CheckBossDeath(g);
      DrawBossLifeBar(g);
    }
    CheckDeath(g);
    g.ui.Refresh(g.e.picCity_base);
  } catch (const RuntimeFault&) {
    ++g.faulted_passes;
  }
}

}  // namespace cw
