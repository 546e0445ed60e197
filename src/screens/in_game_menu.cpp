#include "screens/in_game_menu.h"

#include <string>

#include "platform/key_codes.h"
#include "play/game.h"
#include "play/game_loop.h"
#include "play/messages.h"
#include "savegame/save_file.h"
#include "screens/menu_selection.h"

namespace cw {
namespace {

constexpr MenuEntries kEntries = {1, 4};

Element& Mark(Game& g, int entry) { return g.ui.Find("img" + std::to_string(entry)); }

void HideMarks(Game& g) {
  for (int i = kEntries.first; i <= kEntries.last; ++i) g.ui.Hide(&Mark(g, i));
}

void SaveEntry(Game& g) {
  bool saved = SaveGame(g);
  g.ui.Hide(g.e.picInGame);
  g.blnGame = true;
  RestartMessage(g, saved ? "Game successfully saved !" : "Can't save game !");
  EnterGameLoop(g);
}

// Play resumes either way; after a failed load it resumes the game as it was.
void LoadEntry(Game& g) {
  bool loaded = LoadGame(g);
  RestartMessage(g, loaded ? "Game successfully loaded !" : "Can't load game !");
  g.ui.Hide(g.e.picInGame);
  g.blnGame = true;
  EnterGameLoop(g);
}

void ExitEntry(Game& g) {
  g.ui.Hide(g.e.picInGame);
  g.e.picCity_base->Clear();
  g.ui.Show(g.e.picMenu);
  g.ui.SetFocus(g.e.picMenu);
}

void BackEntry(Game& g) {
  g.ui.Hide(g.e.picInGame);
  g.blnGame = true;
  EnterGameLoop(g);
}

void RunEntry(Game& g, int entry) {
  switch (entry) {
    case 1: SaveEntry(g); break;
    case 2: LoadEntry(g); break;
    case 3: ExitEntry(g); break;
    case 4: BackEntry(g); break;
    default: break;
  }
}

}  // namespace

void Command1_Click(Game& g) {
  g.blnGame = false;  // the loop stops at its next check
  g.ui.Show(g.e.picInGame);
  g.ui.SetFocus(g.e.picInGame);
}

int InGameMenuEntryAt(Game& g, double x, double y) {
  for (int i = kEntries.first; i <= kEntries.last; ++i) {
    const Element& r = Mark(g, i);
    if (x > r.left && x < r.left + r.width && y > r.top && y < r.top + r.height) return i;
  }
  return 0;
}

void picInGame_MouseMove(Game& g, int, int, double X, double Y) {
  int n = InGameMenuEntryAt(g, X, Y);
  if (n != 0) {
    g.ui.Show(&Mark(g, n));
  } else {
    HideMarks(g);
  }
}

void picInGame_MouseDown(Game& g, int, int, double X, double Y) { RunEntry(g, InGameMenuEntryAt(g, X, Y)); }

void picInGame_KeyDown(Game& g, int KeyCode, int) {
  MoveSelection(g.InGameMenuSelection, KeyCode, kEntries);
  if (KeyCode == kKeyEnter) RunEntry(g, SelectedEntry(g.InGameMenuSelection, kEntries));
  // For Enter this runs once play has stopped again, marking the selection on the reopened menu.
  HideMarks(g);
  if (int n = SelectedEntry(g.InGameMenuSelection, kEntries)) g.ui.Show(&Mark(g, n));
}

}  // namespace cw
