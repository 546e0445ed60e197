#include "app/start_up.h"

#include "external/image_effects.h"
#include "play/game.h"
#include "runtime/pacing.h"
#include "world/location_catalogue.h"

namespace cw {
namespace {

// The splash's last picture: the whole mirror picture on the base.
void ShowWholeSplash(Element& base, const Element& mirror) {
  base.Clear();
  Blit(base.buffer, 0, 0, CInt(mirror.width), CInt(mirror.height), mirror.buffer, 0, 0);
}

}  // namespace

void Form_Load(Game& g) {
  g.Randomize();
  g.blnWritten = false;
  g.blnWrite = false;
  g.e.lblDescription->caption = "";
  g.Life = 100;
  g.ExperienceNeeded = 100;
  g.Endurance = 0;
  g.Healing = 0;
  g.Level = 1;
  g.Strength = 0;
  g.Ultimate = 0;
  g.Vitality = 0;
  g.Experience = 0;

  const LocationTable& world = TheLocationTable();
  for (const LocationInfo& location : world.locations)
    for (const KitPlace& place : location.kits) {
      g.FirstAidKits[size_t(place.slot)].x = place.at.x;
      g.FirstAidKits[size_t(place.slot)].y = place.at.y;
    }
  for (auto& kit : g.FirstAidKits) {
    kit.takenAt = 200;
    kit.state = 'x';
  }

  g.GamePhase = world.start.location;
  g.MaxEnemy = 2;
  g.Enemycount = 0;
  g.charPhase = 1;
  g.charMoving = false;
  g.u = 0;
  g.r = 0;
  g.abc = 1;

  g.MP1.SetFileName(g.DataFile("music2.mp3"));
  g.MP1.Play();

  const LocationInfo& start = *FindLocation(world.start.location);
  g.LoadPicture(g.e.picHelp_city_base, start.picture);
  g.LoadMask(g.e.picHelp_city_collid, start.mask);

  // Centred in single precision, as the window computes its layout.
  for (Element* screen : {g.e.picRPG, g.e.picCred, g.e.picRIP, g.e.picInGame}) {
    float left = float(g.e.picCity_base->width) / 2 - float(screen->width) / 2;
    float top = float(Window::kHeight) / 2 - float(screen->height) / 2;
    screen->Move(left, top);
  }
  g.e.picStartUp_base->Move(0, 0);
  g.e.picMenu->Move(0, 0);

  g.My_x = world.start.player.x;
  g.My_y = world.start.player.y;
  g.helpXCity = world.start.view.x;
  g.helpYCity = world.start.view.y;
  g.Boss_Rate = 1;
  g.BossLife = 200;

  // The display is already the full-screen 800 x 600 view: the platform set it up when the window opened.
  if (!g.blnStart) {
    g.ui.Show(g.e.picStartUp_base);
    PlayStartUpSplash(g);
  }
}

void PlayStartUpSplash(Game& g) {
  Element& base = *g.e.picStartUp_base;
  Element& mirror = *g.e.picStartUp_mirror;
  // Should it play again, the splash finds its buffers as the last one left them.
  if (mirror.buffer.Empty()) mirror.Clear();
  if (base.buffer.Empty()) ShowWholeSplash(base, mirror);
  bool go_on = true;
  double w = 0, h = 0, a = 0;
  while (go_on) {
    g.DoEvents();
    w += 13.3333333333;
    h += 10;
    a += 6;
    if (h > 600 || a > 360 || w > 800) go_on = false;
    int x = CInt(400 - w / 2), y = CInt(300 - h / 2);
    Blit(base.buffer, x, y, CInt(w), CInt(h), mirror.buffer, x, y);
    FoxRotate(base.buffer, 400, 300, base.buffer, base.buffer, 0x00000000, a, 1);
    g.ui.Refresh();
  }
  ShowWholeSplash(base, mirror);
  g.ui.Refresh();

  // The hold does not look at events: keys and clicks made now are handled after it.
  Pacer hold(g.session);
  hold.SetDeadline(5000);
  hold.Wait();
  g.DoEvents();

  g.ui.Hide(g.e.picStartUp_base);
  g.ui.Show(g.e.picMenu);
  g.ui.SetFocus(g.e.picMenu);
  // Nothing shows the splash again: its two 800 x 600 buffers are let go for the rest of the run.
  base.buffer = Surface();
  mirror.buffer = Surface();
}

void picStartUp_base_Click(Game& g) {
  g.ui.Hide(g.e.picStartUp_base);
  g.ui.Show(g.e.picMenu);
  g.ui.SetFocus(g.e.picMenu);
}

void picStartUp_base_KeyDown(Game& g, int, int) { picStartUp_base_Click(g); }

}  // namespace cw
