#pragma once
// The locations as data: their files, where the player arrives from each entry, the enemies placed on
// entry, the first-aid kits, the map triggers, the two boss set-ups and where a new game starts. All of
// it comes from assets/locations.json, built into the program.
#include <optional>
#include <string>
#include <vector>

namespace cw {

struct MapPoint {
  int x = 0, y = 0;
};

// Where the player stands after arriving through one entry of a location.
struct ArrivalRow {
  std::string entry;  // the text given to LoadLocation; empty for every other entry except "save"
  MapPoint view;      // helpXCity, helpYCity
  MapPoint player;    // My_x, My_y
  bool places_enemies = true;
};

// What a trigger can ask for or hand out: the key, the access card, the open lab.
enum class Holding { Key, Card, Lab };

// A half of the location picture; a point on the half line lies in neither.
enum class Half { Any, Left, Right, Upper, Lower };

// One row of a location's map triggers: where on the map a red pixel must lie (and what the player
// must hold) for the row to act, and what it does.
struct TriggerRow {
  Half half = Half::Any;
  std::optional<double> mx_above, mx_below, my_above, my_below;  // strict bounds on the map position
  std::optional<Holding> holding, lacking;
  int experience = 0;
  std::optional<Holding> gives;
  std::string message;       // the message's name ("key_found"), empty for none
  std::string message_text;  // and its text
  std::string go, entry;     // a move: the destination and the entry text it is given; empty for none
};

// A first-aid kit: its entry of FirstAidKits and its place on the location picture.
struct KitPlace {
  int slot = 0;
  MapPoint at;
};

struct LocationInfo {
  std::string name;
  std::string picture;
  std::string mask;
  std::vector<ArrivalRow> arrivals;  // tried in order; the first match wins; no match changes nothing
  std::vector<MapPoint> enemies;     // play-area positions, filled into Enemies 0..N-1
  std::vector<KitPlace> kits;        // handled in this order
  std::vector<TriggerRow> triggers;  // the first row that holds acts
};

// The boss's walk on the first visit of its location in a run of the program.
struct WalkingBossSetUp {
  std::string location;
  MapPoint start, target;  // play-area positions
  int speed = 0;
  int pose = 0;
};

// The fight, set up on every entry into its location.
struct BossFightSetUp {
  std::string location;
  int width_divisor = 1, height_divisor = 1;  // the boss starts at width / w, height / h + view y
  int speed = 0;
  int pose = 0;
  int life = 0;
  std::vector<MapPoint> minions;  // play-area positions of the enemies it calls in
};

// Where every new game begins.
struct StartPlace {
  std::string location;
  MapPoint view, player;
};

struct LocationTable {
  std::vector<LocationInfo> locations;  // in the order the map triggers visit them
  StartPlace start;
  WalkingBossSetUp walking_boss;
  BossFightSetUp boss_fight;
};

// The table built into the program, read on first use.
const LocationTable& TheLocationTable();
const std::vector<LocationInfo>& Locations();
// Exact name; null for a text that names no location.
const LocationInfo* FindLocation(const std::string& name);
// The arrival for `entry`, or null when the view and the player stay as they are.
const ArrivalRow* FindArrival(const LocationInfo& location, const std::string& entry);

}  // namespace cw
