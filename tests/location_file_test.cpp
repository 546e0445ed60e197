#include "world/location_file.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "play/messages.h"

namespace cw {
namespace {

using Json = nlohmann::json;

// Two small locations that lead into each other.
Json SmallTable() {
  return Json::parse(R"({
    "locations": [
      {"name": "yard", "picture": "yard.jpg", "mask": "yardCollid.gif",
       "arrivals": [{"entry": "cellar", "view": [-10, -20], "player": [300, 200], "places_enemies": false},
                    {"entry": "*", "view": [-4, -4], "player": [100, 100]}],
       "enemies": [[50, 60]],
       "kits": [{"slot": 1, "at": [70, 80]}],
       "triggers": [{"half": "lower", "my_above": 500, "holding": "key", "go": "cellar", "entry": "yard"},
                    {"half": "lower", "my_above": 500, "message": "locked_plant"},
                    {"mx_below": 120.5, "lacking": "card", "experience": 30, "gives": "card"}]},
      {"name": "cellar", "picture": "cellar.jpg", "mask": "cellarcollid.gif",
       "kits": [{"slot": 0, "at": [5, 6]}],
       "triggers": [{"go": "yard", "entry": "s"}]}
    ],
    "start": {"location": "yard", "view": [-1, -2], "player": [3, 4]},
    "walking_boss": {"location": "yard", "start": [10, 20], "target": [30, 40], "speed": 3, "pose": 1},
    "boss_fight": {"location": "cellar", "width_divisor": 2, "height_divisor": 3, "speed": 3, "pose": 2,
                   "life": 200, "minions": [[1, 2], [3, 4]]}
  })");
}

TEST(LocationFile, ReadsEveryFieldAndFillsInWhatIsLeftOut) {
  LocationTable t = ReadLocationFile(SmallTable().dump());
  ASSERT_EQ(t.locations.size(), 2u);
  const LocationInfo& yard = t.locations[0];
  EXPECT_EQ(yard.name, "yard");
  EXPECT_EQ(yard.mask, "yardCollid.gif");
  ASSERT_EQ(yard.arrivals.size(), 2u);
  EXPECT_EQ(yard.arrivals[0].entry, "cellar");
  EXPECT_EQ(yard.arrivals[0].view.y, -20);
  EXPECT_EQ(yard.arrivals[0].player.x, 300);
  EXPECT_FALSE(yard.arrivals[0].places_enemies);
  EXPECT_EQ(yard.arrivals[1].entry, "");  // "*": every other entry
  EXPECT_TRUE(yard.arrivals[1].places_enemies);
  ASSERT_EQ(yard.kits.size(), 1u);
  EXPECT_EQ(yard.kits[0].slot, 1);
  EXPECT_EQ(yard.kits[0].at.y, 80);

  ASSERT_EQ(yard.triggers.size(), 3u);
  const TriggerRow& door = yard.triggers[0];
  EXPECT_EQ(door.half, Half::Lower);
  EXPECT_EQ(door.my_above, 500.0);
  EXPECT_FALSE(door.my_below.has_value());
  EXPECT_EQ(door.holding, Holding::Key);
  EXPECT_EQ(door.go, "cellar");
  EXPECT_EQ(door.entry, "yard");
  EXPECT_EQ(yard.triggers[1].message, "locked_plant");
  EXPECT_EQ(yard.triggers[1].message_text, kLockedPlantMessage);
  const TriggerRow& item = yard.triggers[2];
  EXPECT_EQ(item.half, Half::Any);
  EXPECT_EQ(item.mx_below, 120.5);
  EXPECT_EQ(item.lacking, Holding::Card);
  EXPECT_EQ(item.experience, 30);
  EXPECT_EQ(item.gives, Holding::Card);
  EXPECT_TRUE(item.go.empty());

  const LocationInfo& cellar = t.locations[1];
  EXPECT_TRUE(cellar.arrivals.empty());
  EXPECT_TRUE(cellar.enemies.empty());
  EXPECT_EQ(t.start.location, "yard");
  EXPECT_EQ(t.start.player.y, 4);
  EXPECT_EQ(t.walking_boss.target.x, 30);
  EXPECT_EQ(t.boss_fight.height_divisor, 3);
  EXPECT_EQ(t.boss_fight.life, 200);
  ASSERT_EQ(t.boss_fight.minions.size(), 2u);
  EXPECT_EQ(t.boss_fight.minions[1].x, 3);
}

// The message for a table changed by `change`, or "" when it is read without complaint.
std::string Refusal(const std::function<void(Json&)>& change) {
  Json j = SmallTable();
  change(j);
  try {
    ReadLocationFile(j.dump());
  } catch (const LocationFileError& e) {
    return e.what();
  }
  return "";
}

TEST(LocationFile, RefusesWhatTheGameCouldNotUseAndSaysWhere) {
  EXPECT_EQ(Refusal([](Json&) {}), "");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][0]["triggers"][0]["gose"] = 1; }),
            "locations[0] \"yard\".triggers[0]: unknown key \"gose\"");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][1]["triggers"][0]["go"] = "attic"; }),
            "locations[1] \"cellar\".triggers[0].go: no location is called \"attic\"");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][1]["triggers"][0].erase("entry"); }),
            "locations[1] \"cellar\".triggers[0]: \"go\" and \"entry\" come together");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][1]["triggers"][0] = Json::parse(R"({"half": "upper"})"); }),
            "locations[1] \"cellar\".triggers[0]: does nothing: give it \"go\", \"gives\", \"experience\" or "
            "\"message\"");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][0]["triggers"][1]["message"] = "hello"; }),
            "locations[0] \"yard\".triggers[1].message: no message is called \"hello\" (there are \"locked_plant\", "
            "\"card_found\", \"key_found\", \"lab_opened\", \"no_card\")");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][0]["triggers"][0]["half"] = "middle"; }),
            "locations[0] \"yard\".triggers[0].half: \"middle\" is none of \"left\", \"right\", \"upper\", \"lower\"");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][0]["triggers"][2]["gives"] = "gun"; }),
            "locations[0] \"yard\".triggers[2].gives: \"gun\" is none of \"key\", \"card\", \"lab\"");
  EXPECT_EQ(Refusal([](Json& j) { std::swap(j["locations"][0]["arrivals"][0], j["locations"][0]["arrivals"][1]); }),
            "locations[0] \"yard\".arrivals[1]: comes after the \"*\" arrival, which takes every entry");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][0]["arrivals"][0]["entry"] = "save"; }),
            "locations[0] \"yard\".arrivals[0].entry: \"save\" is the saved game's own entry");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][1]["mask"] = "cellar.png"; }),
            "locations[1] \"cellar\".mask: \"cellar.png\" must end in \".gif\"");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][1]["picture"] = "yard.jpg"; }),
            "locations[1]: \"yard.jpg\" is already the file of another location");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][1]["name"] = "yard"; }),
            "locations[1]: a second location called \"yard\"");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][1]["name"] = "Cellar"; }),
            "locations[1].name: \"Cellar\" may hold only lower-case letters, digits and \"_\"");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][1]["kits"][0]["slot"] = 2; }),
            "locations: the first-aid kit slots must be 0 to 1, each once");
  EXPECT_EQ(Refusal([](Json& j) { j["locations"][1]["kits"][0]["slot"] = 8; }),
            "locations[1] \"cellar\".kits[0].slot: must be a whole number from 0 to 7");
  EXPECT_EQ(Refusal([](Json& j) {
              j["locations"][0]["enemies"][0] = Json::array({1.5, 2});
            }),
            "locations[0] \"yard\".enemies[0][0]: must be a whole number from -2147483648 to 2147483647");
  EXPECT_EQ(Refusal([](Json& j) { j["walking_boss"]["location"] = "cellar"; }),
            "walking_boss.location: \"cellar\" places no enemies");
  EXPECT_EQ(Refusal([](Json& j) { j["boss_fight"]["pose"] = 4; }),
            "boss_fight.pose: must be a whole number from 1 to 3");
  EXPECT_EQ(Refusal([](Json& j) { j["boss_fight"]["minions"] = Json::array(); }),
            "boss_fight.minions: must hold 1 to 8 places");
  EXPECT_EQ(Refusal([](Json& j) { j.erase("start"); }), "needs \"start\"");
  try {
    ReadLocationFile("{\"locations\": [");
    ADD_FAILURE() << "a cut-off file was read";
  } catch (const LocationFileError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("not JSON: ", 0), 0u) << e.what();
  }
}

}  // namespace
}  // namespace cw
