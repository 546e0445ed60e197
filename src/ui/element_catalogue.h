#pragma once
// The fixed set of screen elements. No element is created or destroyed while the game runs.
#include "ui/element.h"

namespace cw {

// Every element, in catalogue order (within a parent, earlier lies above later).
// clang-format off
#define CW_ELEMENT_NAMES(X)                                                                                 \
  X(picStartUp_base) X(picStartUp_mirror) X(picInGame) X(img1) X(img2) X(img3) X(img4) X(picRIP) X(MP1)   \
  X(picStory) X(picStory_little) X(picStory_help) X(picBlood) X(picCred) X(cmdExit_cred) X(picMenu)        \
  X(Picture3) X(Picture4) X(Picture5) X(Picture6) X(Image2) X(Image3) X(Image4) X(Image5) X(first_aid)     \
  X(boss_life) X(picShot_boss) X(picEnemy3_1) X(picEnemy3_2) X(picEnemy3_3) X(picEnemy2_1) X(picEnemy2_2) \
  X(picEnemy2_3) X(picEnemy1_1) X(picEnemy1_2) X(picEnemy1_3) X(picPhase1) X(picPhase2) X(picPhase3)        \
  X(picRPG) X(Command11) X(btnStrenghtDown) X(btnStrenghtUp) X(btnEnduranceDown) X(btnEnduranceUp)         \
  X(btnVitalityDown) X(btnVitalityUp) X(btnUltimateDown) X(btnUltimateUp) X(btnHealingDown)                \
  X(btnHealingUp) X(Label14) X(Label13) X(Label11) X(Label10) X(Label8) X(lblStrenght) X(lblEndurance)     \
  X(lblVitality) X(lblUltimate) X(lblHealing) X(lblHelpStrenght) X(lblHelpEndurance) X(lblHelpVitality)    \
  X(lblHelpUltimate) X(lblHelpHealing) X(lblHelpPoints) X(Label12) X(lblPoints) X(Label15) X(lblLevel)     \
  X(xyz) X(lblDescription) X(Picture1) X(Label6) X(lblLife) X(Label7) X(lblExperience) X(Label9)           \
  X(imgKey) X(imgCard) X(lblSMS) X(lblAbilities) X(Command1) X(picShot_Gun) X(picCity_base)                \
  X(picCity_Collid) X(picHelp_city_collid) X(picHelp_city_base) X(col1) X(col2) X(col3)
// clang-format on

// One row of the catalogue.
struct ElementSpec {
  const char* name;
  ElementKind kind;
  const char* parent;  // nullptr: the window
  double left, top, width, height;
  bool visible;
  bool sized;
  const char* picture;  // embedded picture file, or nullptr
  const char* caption;
  uint32_t back_colour;
  uint32_t fore_colour;
  double font_points;
  bool bold;
  int border;
};

const ElementSpec* CatalogueBegin();
const ElementSpec* CatalogueEnd();

}  // namespace cw
