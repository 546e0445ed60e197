#include <cmath>

#include <gtest/gtest.h>

#include "actors/enemy_spawning.h"
#include "support/combat_fixture.h"

namespace cw::test {
namespace {

struct SpawnDraws {
  double t, direction, distance, sign, kind;
};
SpawnDraws Draws(Random r) { return {r.Next() * 10, r.Next() * 6.28, r.Next() * 200, r.Next() * 2, r.Next() * 2}; }

bool Attempts(Random& r) {
  double t = r.Next() * 10;
  return t > 4.5 && t < 5.5;
}

class SpawningTest : public CombatTest {
 protected:
  // The point an attempt with these draws aims at.
  void Expected(const SpawnDraws& d, double& x, double& y) {
    double reach = d.distance <= 100 ? 100 : d.distance;
    if (d.sign > 1) reach = -reach;
    x = double(g.My_x) + reach * std::sin(d.direction);
    y = double(g.My_y) + reach * std::cos(d.direction);
  }
  // Makes the next spawn step an attempt.
  void AttemptNow() { g.EnemyFlip = 9; }
};

TEST_F(SpawningTest, AttemptsComeEveryTenPassesAtLevel1) {
  for (int pass = 1; pass <= 9; ++pass) {
    Random before = g.rng;
    SpawnEnemies(g);
    EXPECT_EQ(double(g.EnemyFlip), pass);
    EXPECT_EQ(before.Next(), g.rng.Next()) << "no draw before the attempt";
  }
  SpawnEnemies(g);
  EXPECT_EQ(double(g.EnemyFlip), 0);
}

TEST_F(SpawningTest, AttemptsComeEveryNinePassesAtLevels2And3AndEveryPassFromLevel18) {
  for (int level : {2, 3}) {
    g.Level = level;
    g.EnemyFlip = 0;
    for (int pass = 1; pass <= 8; ++pass) SpawnEnemies(g);
    EXPECT_EQ(double(g.EnemyFlip), 8);
    SpawnEnemies(g);
    EXPECT_EQ(double(g.EnemyFlip), 0) << "level " << level;
  }
  g.Level = 18;
  SpawnEnemies(g);
  EXPECT_EQ(double(g.EnemyFlip), 0);
}

TEST_F(SpawningTest, AnAttemptOutsideTheWindowDrawsOnceAndMakesNothing) {
  g.rng.Seed(SeedWhere([](Random& r) { return !Attempts(r); }));
  Random after = g.rng;
  after.Next();
  AttemptNow();
  SpawnEnemies(g);
  EXPECT_EQ(double(g.Enemycount), 0);
  EXPECT_NE(g.Enemies[0].state, "x");
  EXPECT_EQ(after.Next(), g.rng.Next());
}

TEST_F(SpawningTest, AnEnemyAppearsWhereTheDrawsPointWithItsKind) {
  g.rng.Seed(SeedWhere([](Random& r) {
    SpawnDraws d = Draws(r);
    return Attempts(r) && d.distance > 150 && d.sign > 1 && d.kind < 1;
  }));
  SpawnDraws d = Draws(g.rng);
  double x, y;
  Expected(d, x, y);
  AttemptNow();
  SpawnEnemies(g);
  const ActorRecord& e = g.Enemies[0];
  EXPECT_EQ(e.state, "x");
  EXPECT_DOUBLE_EQ(e.x, x);
  EXPECT_DOUBLE_EQ(e.y, y);
  EXPECT_NEAR(std::hypot(e.x - 400, e.y - 300), d.distance, 1e-9);
  EXPECT_EQ(e.kind, "2");  // a zero draw is kind 2
  EXPECT_EQ(int64_t(e.pose), 1);
  EXPECT_EQ(int64_t(e.poseStep), 1);
  EXPECT_EQ(double(g.Enemycount), 1);
  EXPECT_DOUBLE_EQ(double(g.uholX), d.direction);
  EXPECT_DOUBLE_EQ(g.ramenoX, -d.distance);
}

TEST_F(SpawningTest, AShortDistanceIsLiftedTo100PixelsAndKind1Comes) {
  g.rng.Seed(SeedWhere([](Random& r) {
    SpawnDraws d = Draws(r);
    return Attempts(r) && d.distance < 100 && d.kind >= 1;
  }));
  AttemptNow();
  SpawnEnemies(g);
  const ActorRecord& e = g.Enemies[0];
  EXPECT_NEAR(std::hypot(e.x - 400, e.y - 300), 100, 1e-9);
  EXPECT_EQ(e.kind, "1");
}

TEST_F(SpawningTest, ASpawnPointOnAWallIsRefused) {
  uint64_t seed = SeedWhere(Attempts);
  g.rng.Seed(seed);
  double x, y;
  Expected(Draws(g.rng), x, y);
  Wall(CInt(x), CInt(y));
  AttemptNow();
  SpawnEnemies(g);
  EXPECT_EQ(double(g.Enemycount), 0);
  EXPECT_NE(g.Enemies[0].state, "x");

  // The same draws without the wall make the enemy.
  g.e.picCity_Collid->buffer.Fill(0);
  g.rng.Seed(seed);
  AttemptNow();
  SpawnEnemies(g);
  EXPECT_EQ(double(g.Enemycount), 1);
  EXPECT_DOUBLE_EQ(g.Enemies[0].x, x);
}

TEST_F(SpawningTest, ASpawnPointOutsideTheVisibleMaskIsAccepted) {
  g.My_x = 20;
  g.My_y = 20;
  g.rng.Seed(SeedWhere([](Random& r) {
    SpawnDraws d = Draws(r);
    double reach = (d.distance <= 100 ? 100 : d.distance) * (d.sign > 1 ? -1 : 1);
    return d.t > 4.5 && d.t < 5.5 &&
           (20 + reach * std::sin(d.direction) < -1 || 20 + reach * std::cos(d.direction) < -1);
  }));
  g.e.picCity_Collid->buffer.Fill(kCyan);  // every visible pixel is a wall
  AttemptNow();
  SpawnEnemies(g);
  EXPECT_EQ(double(g.Enemycount), 1);
  EXPECT_EQ(g.Enemies[0].state, "x");
  EXPECT_TRUE(g.Enemies[0].x < -0.5 || g.Enemies[0].y < -0.5);
}

TEST_F(SpawningTest, AtMostThreeEnemiesThroughSpawningAtLevel1) {
  for (int pass = 0; pass < 5000; ++pass) SpawnEnemies(g);
  EXPECT_EQ(double(g.Enemycount), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(g.Enemies[size_t(i)].state, "x");
  for (size_t i = 3; i < g.Enemies.size(); ++i) EXPECT_NE(g.Enemies[i].state, "x");
}

TEST_F(SpawningTest, EnemycountStopsAt20AndTheLastEntryIsRefilled) {
  g.Level = 30;
  for (int pass = 0; pass < 3000; ++pass) SpawnEnemies(g);
  EXPECT_EQ(double(g.Enemycount), 20);
  for (const ActorRecord& e : g.Enemies) EXPECT_EQ(e.state, "x");
}

TEST_F(SpawningTest, ASpawnFillsItsEntryEvenWhenItsEnemyIsAlive) {
  g.rng.Seed(SeedWhere(Attempts));
  PutEnemy(1, 5, 5, "1");
  g.Enemycount = 1;
  AttemptNow();
  SpawnEnemies(g);
  EXPECT_NE(g.Enemies[1].x, 5);
  EXPECT_EQ(double(g.Enemycount), 2);
}

}  // namespace
}  // namespace cw::test
