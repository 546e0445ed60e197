#pragma once
// Every field of the running game under its own name. Untyped fields are Values (number, flag or text);
// typed 16- and 32-bit fields fault when they leave their range.
#include <array>
#include <string>

#include "runtime/value_types.h"

namespace cw {

// Shared by Enemies and Shots.
struct ActorRecord {
  std::string state;  // "x" while live
  double x = 0, y = 0;
  double heading = 0;  // radians
  double degrees = 0;  // sprite rotation
  std::string kind;    // "Gun" for a shot, "1" or "2" for an enemy
  Int16 tick;
  Value step;
  Int16 pose;
  Int16 poseStep;
};

struct KitRecord {
  Int16 x, y;
  Int32 takenAt;
  char state = ' ';  // 'x' while the kit lies there
};

struct SplatRecord {
  Int16 x, y;
  Int32 madeAt;
  char state = ' ';  // 'x' while shown
  Int16 degrees;
};

struct GameState {
  // Key-held flags.
  Value upper, downer, lefter;
  bool righter = false;
  // Player movement.
  Value r = 0;
  double u = 0;
  Value angle;
  Value My_x = 171, My_y = 376;
  Value helpXCity = -6, helpYCity = -458;
  Value charPhase = 1, abc = 1;
  Int16 RunCount;
  Value charMoving = false;
  Value DetectMapMove, CharCollisionX, CharCollisionY;
  // World.
  std::string GamePhase = "city";
  Value Enemycount = 0, MaxEnemy = 2, EnemyFlip;
  Value uholX;
  double ramenoX = 0;
  // Shots and blood.
  Value ShotsFired, ShotButtonPushed, ShotColDetected, BloodCount;
  // Messages.
  std::string TextSMS;
  Value CisloSMS, WriteSMS;
  // Flow.
  Value blnGame;
  bool blnNewLevel = false;
  Value blnStart, blnEnd;
  Value blnWrite = false, blnWritten = false;
  Value AccessLab, Duvave1Entered, MoveBoss, Duvave2Boss, BossOnShot;
  Int16 Boss_Rate = 1;
  // Declared; nothing reads or writes them.
  Value fps, SmerStrely, dopredu, doboku, mapMoving, blnColision, koniecMapy, blnStory;
  // Character.
  Int16 Strength, Endurance, Vitality, Ultimate, Healing;
  Int16 Life = 100;
  Int32 Experience;
  Int32 ExperienceNeeded = 100;
  Int16 Level = 1;
  // Boss.
  double BossX = 0, BossY = 0, BossAngle = 0, BossTurn = 0;
  std::string BossSpeed;
  Int16 BossTick, BossPose, BossPoseStep;
  double BossTargetX = 0, BossTargetY = 0;
  Int16 BossLife = 200;
  double BossShotX = 0, BossShotY = 0, BossShotAngle = 0, BossShotTurn = 0;
  Int16 BossShotTicks;
  Value BossShotSpeed;
  // Tables.
  std::array<ActorRecord, 21> Enemies{};     // 0..20
  std::array<ActorRecord, 11> Shots{};       // 1..10; entry 0 unused
  std::array<KitRecord, 8> FirstAidKits{};   // 0..7
  std::array<SplatRecord, 6> BloodSplats{};  // 0..5
  // Menus.
  Value MainMenuSelection, InGameMenuSelection;
  std::string SaveGameText;
};

}  // namespace cw
