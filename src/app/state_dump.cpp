#include "app/state_dump.h"

#include <filesystem>

#include <nlohmann/json.hpp>

#include "platform/key_names.h"
#include "platform/utf8_path.h"
#include "play/game.h"
#include "settings/player_session.h"

namespace cw {
namespace {

using Json = nlohmann::ordered_json;

Json ToJson(const Value& v) {
  switch (v.kind()) {
    case Value::Kind::Empty: return nullptr;
    case Value::Kind::Number: return double(v);
    case Value::Kind::Bool: return double(v) != 0;
    case Value::Kind::Text: return v.Text();
  }
  return nullptr;
}
Json ToJson(const Int16& v) { return int(v.get()); }
Json ToJson(const Int32& v) { return int64_t(v.get()); }
Json ToJson(double d) { return d; }
Json ToJson(bool b) { return b; }
Json ToJson(const std::string& s) { return s; }
Json ToJson(char c) { return std::string(1, c); }

Json Actor(const ActorRecord& a) {
  return Json{{"state", a.state},
              {"x", a.x},
              {"y", a.y},
              {"heading", a.heading},
              {"degrees", a.degrees},
              {"kind", a.kind},
              {"tick", ToJson(a.tick)},
              {"step", ToJson(a.step)},
              {"pose", ToJson(a.pose)},
              {"poseStep", ToJson(a.poseStep)}};
}

Json StateFields(const Game& g) {
  Json s;
#define F(name) s[#name] = ToJson(g.name)
  // Several fields a line, where clang-format would give each its own.
  // clang-format off
  F(upper); F(downer); F(lefter); F(righter); F(r); F(u); F(angle); F(My_x); F(My_y); F(helpXCity); F(helpYCity);
  F(charPhase); F(abc); F(RunCount); F(charMoving); F(DetectMapMove); F(CharCollisionX); F(CharCollisionY);
  F(GamePhase); F(Enemycount); F(MaxEnemy); F(EnemyFlip); F(uholX); F(ramenoX); F(ShotsFired); F(ShotButtonPushed);
  F(ShotColDetected); F(BloodCount); F(TextSMS); F(CisloSMS); F(WriteSMS); F(blnGame); F(blnNewLevel); F(blnStart);
  F(blnEnd); F(blnWrite); F(blnWritten); F(AccessLab); F(Duvave1Entered); F(MoveBoss); F(Duvave2Boss); F(BossOnShot);
  F(Boss_Rate); F(fps); F(SmerStrely); F(dopredu); F(doboku); F(mapMoving); F(blnColision); F(koniecMapy); F(blnStory);
  F(Strength); F(Endurance); F(Vitality); F(Ultimate); F(Healing); F(Life); F(Experience); F(ExperienceNeeded);
  F(Level); F(BossX); F(BossY); F(BossAngle); F(BossTurn); F(BossSpeed); F(BossTick); F(BossPose); F(BossPoseStep);
  F(BossTargetX); F(BossTargetY); F(BossLife); F(BossShotX); F(BossShotY); F(BossShotAngle); F(BossShotTurn);
  F(BossShotTicks); F(BossShotSpeed); F(MainMenuSelection); F(InGameMenuSelection); F(SaveGameText);
  // clang-format on
#undef F
  Json enemies = Json::array(), shots = Json::array(), kits = Json::array(), splats = Json::array();
  for (const auto& a : g.Enemies) enemies.push_back(Actor(a));
  for (size_t i = 1; i < g.Shots.size(); ++i) shots.push_back(Actor(g.Shots[i]));
  for (const auto& k : g.FirstAidKits)
    kits.push_back(
        Json{{"x", ToJson(k.x)}, {"y", ToJson(k.y)}, {"takenAt", ToJson(k.takenAt)}, {"state", ToJson(k.state)}});
  for (const auto& b : g.BloodSplats)
    splats.push_back(Json{{"x", ToJson(b.x)},
                          {"y", ToJson(b.y)},
                          {"madeAt", ToJson(b.madeAt)},
                          {"state", ToJson(b.state)},
                          {"degrees", ToJson(b.degrees)}});
  s["Enemies"] = enemies;
  s["Shots"] = shots;
  s["FirstAidKits"] = kits;
  s["BloodSplats"] = splats;
  return s;
}

Json ElementFields(const Game& g) {
  Json out;
  for (const auto& el : g.ui.all()) {
    Json j{
        {"visible", el->visible}, {"left", el->left}, {"top", el->top}, {"width", el->width}, {"height", el->height}};
    if (el->kind == ElementKind::Label || el->kind == ElementKind::Button) j["caption"] = el->caption;
    out[el->name] = j;
  }
  return out;
}

Json SettingsFields(const Settings& s) {
  Json keys;
  for (PlayAction a : kPlayActions) keys[ActionName(a)] = KeyName(s.Key(a));
  Json size =
      s.window_width > 0 ? Json(std::to_string(s.window_width) + "x" + std::to_string(s.window_height)) : Json("auto");
  return Json{{"music_volume", s.music_volume},
              {"mute", s.muted},
              {"full_screen", s.full_screen},
              {"window_size", size},
              {"scaling", s.scaling == Scaling::Smooth ? "smooth" : "sharp"},
              {"pause_on_focus_loss", s.pause_on_focus_loss},
              {"keys", keys}};
}

}  // namespace

std::string StateDump(const Game& g, PlayerSession* player) {
  Json j;
  // The session's time, which goes on while the game's clock stands still.
  j["tick"] = player ? player->RealTicks() : g.session.Ticks();
  j["passes"] = g.passes;
  j["focus"] = g.ui.focus() ? Json(g.ui.focus()->name) : Json(nullptr);
  std::string music = g.MP1.FileName();
  if (!music.empty()) {
    // The file name is UTF-8 text; a plain path would read it in Windows' ANSI code page.
    auto relative = PathFromUtf8(music).lexically_relative(g.data_dir).generic_u8string();
    music.assign(relative.begin(), relative.end());
  }
  j["music"] = Json{{"file", music.empty() ? Json(nullptr) : Json(music)}, {"playing", g.MP1.Playing()}};
  j["settings"] = SettingsFields(g.settings);
  j["paused"] = player && player->paused();
  j["state"] = StateFields(g);
  j["elements"] = ElementFields(g);
  return j.dump(1);
}

}  // namespace cw
