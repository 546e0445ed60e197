#include "screens/story_pages.h"

#include "app/start_up.h"
#include "external/image_effects.h"
#include "play/game.h"
#include "runtime/pacing.h"

namespace cw {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFFu;
constexpr int kStepMs = 100;

// Paces the steps of one transition: the first at once, each further one at least 101 ms later.
// Window events are handled while waiting, so the page's own input can arrive mid-transition.
class StepPacer {
 public:
  explicit StepPacer(Game& g) : g_(g), pace_(g.session, Pacer::Start::TickZero) {}
  void Next() {
    pace_.Wait([this] { g_.DoEvents(); });
    pace_.SetDeadline(kStepMs);
    g_.DoEvents();
  }

 private:
  Game& g_;
  Pacer pace_;
};

void DrawMosaicStep(Game& g, int block) {
  Element& story = *g.e.picStory;
  const Element& page = *g.e.picStory_help;
  story.Clear();
  FoxMosaic(story.buffer, 100, 100, CInt(page.width), CInt(page.height), page.buffer, 0, 0, block, kWhite, 1);
  g.ui.Refresh();
}

}  // namespace

void ShowStoryPage(Game& g, const std::string& page) {
  g.blnGame = false;
  g.LoadPicture(g.e.picStory_help, "story_" + page + ".gif");
  g.e.picStory->Move(0, 0);
  g.ui.Show(g.e.picStory);
  // The page takes the keys: after the ending the play area, still shown beneath, would keep them.
  g.ui.SetFocus(g.e.picStory);
  if (page == "end") {
    g.MP1.SetFileName(g.DataFile("music2.mp3"));
    g.MP1.Play();
  }
  StoryOpening(g);
}

void StoryOpening(Game& g) {
  StepPacer pace(g);
  for (int block = 30; block >= 1; --block) {
    pace.Next();
    DrawMosaicStep(g, block);
  }
  // The prompt line shows: the page takes a key or a click now.
  g.ui.Hide(g.e.picStory_little);
}

void CloseStoryPage(Game& g) {
  StepPacer pace(g);
  for (int block = 0; block <= 50; ++block) {
    pace.Next();
    DrawMosaicStep(g, block);
  }
  if (g.blnStart) {
    g.MP1.SetFileName(g.DataFile("music.mp3"));
    g.MP1.Play();
    g.e.picCity_base->Clear();
    Form_Load(g);  // the new game's start values; no splash, as blnStart is set
    g.ui.Hide(g.e.picMenu);
    g.ui.Hide(g.e.picStory);
    g.ui.Show(g.e.picRPG);
    g.ui.SetFocus(g.e.picRPG);
  } else if (g.blnEnd) {
    g.ui.Show(g.e.picMenu);
    g.ui.Hide(g.e.picStory);
    g.blnGame = false;
    g.ui.SetFocus(g.e.picMenu);
  }
}

// The strip over the prompt line is the latch: shown means a closing has already been started.
void picStory_KeyPress(Game& g, int) {
  if (g.e.picStory_little->visible) return;
  g.ui.Show(g.e.picStory_little);
  CloseStoryPage(g);
}

void picStory_MouseDown(Game& g, int, int, double, double) { picStory_KeyPress(g, 0); }

}  // namespace cw
