#include "screens/main_menu.h"

#include "external/image_effects.h"
#include "platform/key_codes.h"
#include "play/game.h"
#include "play/game_loop.h"
#include "progression/reset_game.h"
#include "savegame/save_file.h"
#include "screens/menu_selection.h"
#include "screens/story_pages.h"

namespace cw {
namespace {

constexpr MenuEntries kEntries = {2, 5};  // the selection numbers of New Game .. End

// Embosses the entry's highlight picture onto the menu.
void Highlight(Game& g, const Element* source, int x, int y) {
  Element& menu = *g.e.picMenu;
  menu.Clear();
  FoxBumpMap(menu.buffer, x, y, CInt(source->width), CInt(source->height), source->buffer, 0, 0, 0x00FFFFFFu, 1);
  g.ui.Refresh();
}

void HighlightEntry(Game& g, int selection) {
  switch (selection) {
    case 2: Highlight(g, g.e.Picture3, 250, 180); break;
    case 3: Highlight(g, g.e.Picture4, 170, 270); break;
    case 4: Highlight(g, g.e.Picture5, 290, 358); break;
    case 5: Highlight(g, g.e.Picture6, 20, 565); break;
    default: break;
  }
}

void RunEntry(Game& g, int selection) {
  switch (selection) {
    case 2: Image2_Click(g); break;
    case 3: Image3_Click(g); break;
    case 4: Image4_Click(g); break;
    case 5: Image5_Click(g); break;
    default: break;
  }
}

}  // namespace

void Image2_Click(Game& g) {
  g.ui.Hide(g.e.picMenu);
  ResetGame(g);
  g.e.lblPoints->caption = "5";
  g.blnStart = true;
  g.blnEnd = false;
  // The page's closing starts the new game and opens the abilities screen.
  ShowStoryPage(g, "start");
}

void Image3_Click(Game& g) {
  ResetGame(g);
  if (!LoadGame(g)) return;  // no loadable saved game: the menu stays open
  g.blnGame = true;
  g.ui.Hide(g.e.picMenu);
  EnterGameLoop(g);
}

void Image4_Click(Game& g) {
  g.ui.Show(g.e.picCred);
  g.ui.SetFocus(g.e.picCred);
}

void Image5_Click(Game&) { throw ProgramEnd{0}; }

void Image2_MouseMove(Game& g, int, int, double, double) { HighlightEntry(g, 2); }
void Image3_MouseMove(Game& g, int, int, double, double) { HighlightEntry(g, 3); }
void Image4_MouseMove(Game& g, int, int, double, double) { HighlightEntry(g, 4); }
void Image5_MouseMove(Game& g, int, int, double, double) { HighlightEntry(g, 5); }

void picMenu_MouseMove(Game& g, int, int, double, double) {
  g.e.picMenu->Clear();
  g.ui.Refresh();
}

void picMenu_KeyDown(Game& g, int KeyCode, int) {
  MoveSelection(g.MainMenuSelection, KeyCode, kEntries);
  if (KeyCode == kKeyEnter) RunEntry(g, SelectedEntry(g.MainMenuSelection, kEntries));
  // After the command has returned, whatever it led to.
  HighlightEntry(g, SelectedEntry(g.MainMenuSelection, kEntries));
}

}  // namespace cw
