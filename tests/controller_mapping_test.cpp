#include "ui/controller_mapping.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/state_dump.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

using T = InputEvent::Type;

InputEvent Pad(T type, PadButton b, int pad = 0) {
  InputEvent e;
  e.type = type;
  e.control = int(b);
  e.pad = pad;
  return e;
}
InputEvent Axis(PadAxis a, int value, int pad = 0) {
  InputEvent e;
  e.type = T::PadAxis;
  e.control = int(a);
  e.value = value;
  e.pad = pad;
  return e;
}

// The actions as short text: "+38" a key down, "-38" a key up, "M" the MENU button; ch shown after a colon.
std::string Text(const std::vector<PadAction>& actions) {
  std::string s;
  for (const auto& a : actions) {
    if (!s.empty()) s += " ";
    if (a.menu_button) {
      s += "M";
      continue;
    }
    s += (a.key.type == T::KeyDown ? "+" : "-") + std::to_string(a.key.key);
    if (a.key.ch) s += ":" + std::to_string(a.key.ch);
  }
  return s;
}

// ---- The mapping

TEST(ControllerMappingTest, DpadGivesTheArrowKeys) {
  ControllerMapping m;
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::DpadUp), true)), "+38");
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::DpadRight), true)), "+39");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::DpadUp), true)), "-38");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::DpadRight), true)), "-39");
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::DpadLeft), false)), "+37");
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::DpadDown), false)), "+40");
}

TEST(ControllerMappingTest, SouthIsCtrlInPlayAndEnterElsewhere) {
  ControllerMapping m;
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::South), true)), "+17");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::South), true)), "-17");
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::South), false)), "+13:13");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::South), false)), "-13");
}

TEST(ControllerMappingTest, EastIsEscapeAndStartIsTheMenuButtonInPlay) {
  ControllerMapping m;
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::East), true)), "+27:27");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::East), true)), "-27");
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::Start), true)), "M");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::Start), false)), "");
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::Start), false)), "+13:13");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::Start), false)), "-13");
}

TEST(ControllerMappingTest, AReleaseMatchesItsPressWhenTheScreenChangedMeanwhile) {
  ControllerMapping m;
  // Enter on the menu starts play; letting go must release Enter, not Ctrl.
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::South), false)), "+13:13");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::South), true)), "-13");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::South), true)), "");
}

TEST(ControllerMappingTest, UnusedButtonsAndAxesGiveNothing) {
  ControllerMapping m;
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::North), true)), "");
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::LeftShoulder), false)), "");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::RightX, 32767), true)), "");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftTrigger, 32767), true)), "");
}

TEST(ControllerMappingTest, TheStickHasADeadZoneAndAGapBeforeLettingGo) {
  ControllerMapping m;
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftX, 16000), true)), "");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftX, 16001), true)), "+39");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftX, 12000), true)), "");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftX, 11999), true)), "-39");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftX, 15000), true)), "");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftY, -32768), true)), "+38");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftY, 20000), true)), "-38 +40");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftY, 0), true)), "-40");
}

TEST(ControllerMappingTest, ADirectionHeldTwiceIsReleasedWithTheLastHold) {
  ControllerMapping m;
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::DpadLeft), true)), "+37");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftX, -30000), true)), "");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::DpadLeft), true)), "");
  EXPECT_EQ(Text(m.Map(Axis(PadAxis::LeftX, 0), true)), "-37");
  // Two controllers pressing the same way.
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::DpadUp, 1), true)), "+38");
  EXPECT_EQ(Text(m.Map(Pad(T::PadDown, PadButton::DpadUp, 2), true)), "");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::DpadUp, 1), true)), "");
  EXPECT_EQ(Text(m.Map(Pad(T::PadUp, PadButton::DpadUp, 2), true)), "-38");
}

// ---- A whole session: the controller plays exactly as the keyboard and mouse do

ScriptCommand KeyUpAt(int64_t t, int key) { return InputAt(t, {T::KeyUp, key, 0, 0, 0, 0}); }

void AddKey(std::vector<ScriptCommand>& s, int64_t t, int key, int ch = 0) {
  s.push_back(KeyDownAt(t, key, ch));
  s.push_back(KeyUpAt(t + 50, key));
}
void AddButton(std::vector<ScriptCommand>& s, int64_t t, PadButton b) {
  s.push_back(InputAt(t, Pad(T::PadDown, b)));
  s.push_back(InputAt(t + 50, Pad(T::PadUp, b)));
}

// After the splash: the menu down to New Game, the story page, the abilities screen's OK, a walk with a
// turn and a shot, the in-game menu opened and left with Back To Game.
std::vector<ScriptCommand> Session(bool pad) {
  std::vector<ScriptCommand> s;
  auto enter = [&](int64_t t) { pad ? AddButton(s, t, PadButton::South) : AddKey(s, t, kKeyEnter, '\r'); };
  if (pad) {
    AddButton(s, 5500, PadButton::DpadDown);
    s.push_back(InputAt(5600, Axis(PadAxis::LeftY, 30000)));
    s.push_back(InputAt(5650, Axis(PadAxis::LeftY, 5000)));
  } else {
    AddKey(s, 5500, kKeyDown);
    AddKey(s, 5600, kKeyDown);
  }
  enter(5700);
  enter(6500);
  enter(14000);
  if (pad) {
    s.push_back(InputAt(15000, Pad(T::PadDown, PadButton::DpadUp)));
    AddButton(s, 15500, PadButton::South);
    s.push_back(InputAt(15700, Axis(PadAxis::LeftX, -30000)));
    s.push_back(InputAt(15900, Axis(PadAxis::LeftX, 0)));
    s.push_back(InputAt(16000, Pad(T::PadUp, PadButton::DpadUp)));
    AddButton(s, 16200, PadButton::Start);
    for (int i = 0; i < 4; ++i) AddButton(s, 16500 + 100 * i, PadButton::DpadDown);
  } else {
    s.push_back(KeyDownAt(15000, kKeyUp));
    AddKey(s, 15500, kKeyCtrl);
    s.push_back(KeyDownAt(15700, kKeyLeft));
    s.push_back(KeyUpAt(15900, kKeyLeft));
    s.push_back(KeyUpAt(16000, kKeyUp));
    s.push_back(MouseMoveAt(16200, 740, 50));
    s.push_back(MouseDownAt(16200, 740, 50));
    s.push_back(MouseUpAt(16200, 740, 50));
    for (int i = 0; i < 4; ++i) AddKey(s, 16500 + 100 * i, kKeyDown);
  }
  enter(17000);
  s.push_back(TimerAt(17500));
  std::stable_sort(s.begin(), s.end(), [](const ScriptCommand& a, const ScriptCommand& b) { return a.time < b.time; });
  return s;
}

nlohmann::json Play(std::vector<ScriptCommand> script) {
  TestGame t(CINDERWAKE_TEST_DATA_DIR, std::move(script));
  nlohmann::json dump;
  t.platform.on_command = [&](const ScriptCommand&) { dump = nlohmann::json::parse(StateDump(t.g)); };
  t.platform.on_script_end = [] { throw ProgramEnd{0}; };
  try {
    Form_Load(t.g);
    for (;;) {
      t.platform.WaitForEvent(-1);
      t.g.DoEvents();
    }
  } catch (const ProgramEnd&) {
  }
  return dump;
}

TEST(ControllerSessionTest, TheControllerGivesTheSameGameAsKeysAndMouse) {
  nlohmann::json keys = Play(Session(false));
  nlohmann::json pad = Play(Session(true));
  ASSERT_FALSE(keys.is_null());
  // The session really went through the menus into play and back.
  EXPECT_EQ(keys["focus"], "picCity_base");
  EXPECT_EQ(keys["state"]["blnGame"], true);
  EXPECT_EQ(keys["state"]["InGameMenuSelection"], 4);
  EXPECT_EQ(keys["state"]["ShotsFired"], 1);
  EXPECT_GT(keys["passes"].get<int>(), 100);
  EXPECT_NE(keys["state"]["My_y"], 376);  // walked
  EXPECT_EQ(pad, keys);
}

}  // namespace
}  // namespace cw::test
