#include "play/end_of_game.h"

#include "external/image_effects.h"
#include "play/game.h"
#include "runtime/pacing.h"
#include "screens/story_pages.h"

namespace cw {
namespace {

constexpr int kFadeSteps = 101;
constexpr int32_t kFadeStepMs = 100;

// Brightens (0.5 per step) or darkens (-0.5) the last picture of play, step on step.
void FadePlayArea(Game& g, double level_step) {
  Pacer pace(g.session, Pacer::Start::TickZero);  // the first step runs at once
  for (int i = 0; i < kFadeSteps; ++i) {
    pace.Wait([&g] { g.DoEvents(); });
    pace.SetDeadline(kFadeStepMs);
    g.DoEvents();
    Surface& picture = g.e.picCity_base->buffer;
    FoxBrightness(picture, picture, picture, picture, 0, CInt(i * level_step), 0);
    g.ui.Refresh(g.e.picCity_base);
  }
}

}  // namespace

void CheckBossDeath(Game& g) {
  if (!(g.BossLife < 1)) return;
  g.blnStart = false;
  g.blnEnd = true;
  g.blnGame = false;
  FadeToEnding(g);
  // The closing page opens a second time, from the beginning.
  ShowStoryPage(g, "end");
}

void CheckDeath(Game& g) {
  if (!(g.Life < 1)) return;
  g.blnGame = false;
  FadeToDeath(g);
}

void FadeToEnding(Game& g) {
  FadePlayArea(g, 0.5);
  ShowStoryPage(g, "end");
}

void FadeToDeath(Game& g) {
  FadePlayArea(g, -0.5);
  g.ui.Show(g.e.picRIP);
  g.ui.SetFocus(g.e.picRIP);
}

}  // namespace cw
