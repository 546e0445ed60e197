#include "platform/headless_script.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "platform/key_names.h"

namespace cw {
namespace {

using T = InputEvent::Type;

TEST(HeadlessScriptTest, CommandsExpandIntoTimedEvents) {
  auto s = ParseScript(
      "# a comment\n"
      "\n"
      "0 key Space\n"
      "10 key down Up   # held\n"
      "10 key up Up\n"
      "20 click 400 300\n"
      "30 mouse down right 1 2\n"
      "40 dump out.json\n"
      "40 screenshot shot.png\n"
      "50 key Q\n"
      "55 focus lost\n"
      "56 focus gained\n"
      "60 quit\n");
  ASSERT_EQ(s.size(), 15u);
  EXPECT_EQ(s[0].input.type, T::KeyDown);
  EXPECT_EQ(s[0].input.key, 32);
  EXPECT_EQ(s[0].input.ch, 32);
  EXPECT_EQ(s[1].input.type, T::KeyUp);
  EXPECT_EQ(s[2].time, 10);
  EXPECT_EQ(s[2].input.key, 38);
  EXPECT_EQ(s[2].input.ch, 0);
  EXPECT_EQ(s[2].line, 4);
  EXPECT_EQ(s[4].input.type, T::MouseMove);
  EXPECT_EQ(s[5].input.type, T::MouseDown);
  EXPECT_EQ(s[5].input.button, 1);
  EXPECT_EQ(s[6].input.type, T::MouseUp);
  EXPECT_EQ(s[6].input.x, 400);
  EXPECT_EQ(s[7].input.button, 2);
  EXPECT_EQ(s[8].kind, ScriptCommand::Kind::Dump);
  EXPECT_EQ(s[8].path, "out.json");
  EXPECT_EQ(s[9].kind, ScriptCommand::Kind::Screenshot);
  EXPECT_EQ(s[10].input.key, 'Q');
  EXPECT_EQ(s[10].input.ch, 'q');
  EXPECT_EQ(s[12].input.type, T::FocusLost);
  EXPECT_EQ(s[12].time, 55);
  EXPECT_EQ(s[13].input.type, T::FocusGained);
  EXPECT_EQ(s[14].kind, ScriptCommand::Kind::Quit);
}

TEST(HeadlessScriptTest, TheGamesOwnKeysHaveNames) {
  auto s = ParseScript("0 key Minus\n0 key Plus\n0 key F1\n0 key F11\n0 key Tab\n0 key Backspace\n0 key F12\n");
  ASSERT_EQ(s.size(), 14u);
  EXPECT_EQ(s[0].input.key, kKeyMinus);
  EXPECT_EQ(s[0].input.ch, '-');
  EXPECT_EQ(s[2].input.key, kKeyAdd);
  EXPECT_EQ(s[2].input.ch, '+');
  EXPECT_EQ(s[4].input.key, kKeyF1);
  EXPECT_EQ(s[4].input.ch, 0);
  EXPECT_EQ(s[6].input.key, kKeyF1 + 10);
  EXPECT_EQ(s[8].input.key, kKeyTab);
  EXPECT_EQ(s[8].input.ch, '\t');
  EXPECT_EQ(s[10].input.key, kKeyBackspace);
  EXPECT_EQ(s[10].input.ch, '\b');
  EXPECT_EQ(s[12].input.key, kKeyF1 + 11);
}

TEST(HeadlessScriptTest, KeyNamesAndCodesGoBothWays) {
  for (int key = 0; key < 256; ++key) {
    std::string name = KeyName(key);
    if (name.empty()) continue;
    int back = 0, ch = 0;
    EXPECT_TRUE(KeyByName(name, back, ch)) << name;
    EXPECT_EQ(back, key) << name;
  }
  EXPECT_EQ(KeyName(kKeyCtrl), "Ctrl");
  EXPECT_EQ(KeyName(kKeyF1 + 4), "F5");
  EXPECT_EQ(KeyName(kKeySemicolon), "");
  int key = 0, ch = 0;
  EXPECT_FALSE(KeyByName("F13", key, ch));
  EXPECT_FALSE(KeyByName("F0", key, ch));
  EXPECT_FALSE(KeyByName("ctrl", key, ch));
  EXPECT_TRUE(KeyByNameIgnoringCase("ctrl", key));
  EXPECT_EQ(key, kKeyCtrl);
  EXPECT_TRUE(KeyByNameIgnoringCase("f10", key));
  EXPECT_EQ(key, kKeyF1 + 9);
}

TEST(HeadlessScriptTest, MalformedLinesAreRefusedWithTheirNumber) {
  auto message = [](const std::string& text) {
    try {
      ParseScript(text);
    } catch (const ScriptError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(message("0 key Space\n5 key Up\n3 key Up\n"), "script line 3: time 3 is less than the line before");
  EXPECT_NE(message("x key Up\n").find("script line 1"), std::string::npos);
  EXPECT_NE(message("0 key Hyper\n").find("unknown key \"Hyper\""), std::string::npos);
  EXPECT_NE(message("0 click 800 10\n").find("not a window pixel"), std::string::npos);
  EXPECT_NE(message("0 click 10 600\n").find("not a window pixel"), std::string::npos);
  EXPECT_NE(message("0 mouse down wheel 1 1\n").find("unknown mouse button"), std::string::npos);
  EXPECT_NE(message("0 dump\n").find("takes 1 argument"), std::string::npos);
  EXPECT_NE(message("0 quit now\n").find("takes 0 argument"), std::string::npos);
  EXPECT_NE(message("0 jump\n").find("unknown command"), std::string::npos);
  EXPECT_NE(message("0 focus away\n").find("\"focus\" is lost or gained, not \"away\""), std::string::npos);
  EXPECT_NE(message("-5 quit\n").find("script line 1"), std::string::npos);
  EXPECT_EQ(message("0 key a\n").find("unknown key") != std::string::npos, true);  // names are as written
}

}  // namespace
}  // namespace cw
