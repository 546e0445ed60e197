#include "world/location_file.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <tuple>

#include <nlohmann/json.hpp>

#include "play/game_state.h"
#include "play/messages.h"

namespace cw {
namespace {

using Json = nlohmann::json;

constexpr size_t kEnemyEntries = std::tuple_size_v<decltype(GameState::Enemies)>;
constexpr size_t kKitEntries = std::tuple_size_v<decltype(GameState::FirstAidKits)>;
// The boss calls its minions in while Enemycount is at most 12, into the entries after it (up to 20).
constexpr size_t kMostMinions = kEnemyEntries - 1 - 12;

// The messages a trigger may start, by the name the file gives them.
constexpr std::pair<std::string_view, const char*> kMessages[] = {
    {"locked_plant", kLockedPlantMessage}, {"card_found", kCardFoundMessage}, {"key_found", kKeyFoundMessage},
    {"lab_opened", kLabOpenedMessage},     {"no_card", kNoCardMessage},
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw LocationFileError(where.empty() ? what : where + ": " + what);
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// One object of the file, with the place it has in the file for messages.
class Node {
 public:
  Node(const Json& j, std::string where, std::initializer_list<const char*> keys) : j_(j), where_(std::move(where)) {
    if (!j.is_object()) Fail(where_, "must be an object");
    for (const auto& item : j.items()) {
      // A named variable, not a structured binding: clang before 16 can't capture those in a lambda.
      const std::string& key = item.key();
      if (std::find_if(keys.begin(), keys.end(), [&](const char* k) { return key == k; }) == keys.end())
        Fail(where_, "unknown key " + Quoted(key));
    }
  }

  bool Has(const char* key) const { return j_.contains(key); }
  const Json& At(const char* key) const {
    if (!Has(key)) Fail(where_, "needs " + Quoted(key));
    return j_.at(key);
  }
  std::string In(const char* key) const { return where_ + "." + key; }
  const std::string& where() const { return where_; }

  std::string Text(const char* key) const {
    const Json& v = At(key);
    if (!v.is_string() || v.get<std::string>().empty()) Fail(In(key), "must be a text that is not empty");
    return v.get<std::string>();
  }
  int Whole(const char* key, int64_t lo, int64_t hi) const { return WholeIn(At(key), In(key), lo, hi); }
  double Number(const char* key) const {
    const Json& v = At(key);
    if (!v.is_number()) Fail(In(key), "must be a number");
    return v.get<double>();
  }
  MapPoint Point(const char* key, int64_t lo = INT32_MIN, int64_t hi = INT32_MAX) const {
    return PointIn(At(key), In(key), lo, hi);
  }
  const Json& List(const char* key) const {
    const Json& v = At(key);
    if (!v.is_array()) Fail(In(key), "must be a list");
    return v;
  }

  static int WholeIn(const Json& v, const std::string& where, int64_t lo, int64_t hi) {
    if (!v.is_number_integer() || v.get<int64_t>() < lo || v.get<int64_t>() > hi)
      Fail(where, "must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
    return int(v.get<int64_t>());
  }
  static MapPoint PointIn(const Json& v, const std::string& where, int64_t lo, int64_t hi) {
    if (!v.is_array() || v.size() != 2) Fail(where, "must be a point [x, y]");
    return {WholeIn(v[0], where + "[0]", lo, hi), WholeIn(v[1], where + "[1]", lo, hi)};
  }

 private:
  const Json& j_;
  std::string where_;
};

// Names become file names, saved-game lines and list items of the build: letters, digits and "_".
void CheckName(const std::string& name, const std::string& where) {
  for (char c : name)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
      Fail(where, Quoted(name) + " may hold only lower-case letters, digits and \"_\"");
}

void CheckFileName(const std::string& file, const char* ending, const std::string& where) {
  if (file.size() <= 4 || file.compare(file.size() - 4, 4, ending) != 0)
    Fail(where, Quoted(file) + " must end in \"" + ending + "\"");
  for (char c : file)
    if (c == '/' || c == '\\' || c == ';' || c == '"' || c < ' ')
      Fail(where, Quoted(file) + " is not a plain file name");
}

Holding HoldingIn(const Node& n, const char* key) {
  std::string s = n.Text(key);
  if (s == "key") return Holding::Key;
  if (s == "card") return Holding::Card;
  if (s == "lab") return Holding::Lab;
  Fail(n.In(key), Quoted(s) + " is none of \"key\", \"card\", \"lab\"");
}

Half HalfIn(const Node& n) {
  std::string s = n.Text("half");
  if (s == "left") return Half::Left;
  if (s == "right") return Half::Right;
  if (s == "upper") return Half::Upper;
  if (s == "lower") return Half::Lower;
  Fail(n.In("half"), Quoted(s) + " is none of \"left\", \"right\", \"upper\", \"lower\"");
}

// An entry text of LoadLocation as a trigger or an arrival names it; "save" belongs to the saved game.
std::string EntryIn(const Node& n) {
  std::string entry = n.Text("entry");
  if (entry == "save") Fail(n.In("entry"), "\"save\" is the saved game's own entry");
  return entry;
}

ArrivalRow ReadArrival(const Json& j, const std::string& where) {
  Node n(j, where, {"entry", "view", "player", "places_enemies"});
  ArrivalRow row;
  row.entry = EntryIn(n);
  if (row.entry == "*") row.entry.clear();
  row.view = n.Point("view");
  row.player = n.Point("player");
  if (n.Has("places_enemies")) {
    if (!n.At("places_enemies").is_boolean()) Fail(n.In("places_enemies"), "must be true or false");
    row.places_enemies = n.At("places_enemies").get<bool>();
  }
  return row;
}

TriggerRow ReadTrigger(const Json& j, const std::string& where) {
  Node n(j, where,
         {"half", "mx_above", "mx_below", "my_above", "my_below", "holding", "lacking", "experience", "gives",
          "message", "go", "entry"});
  TriggerRow row;
  if (n.Has("half")) row.half = HalfIn(n);
  if (n.Has("mx_above")) row.mx_above = n.Number("mx_above");
  if (n.Has("mx_below")) row.mx_below = n.Number("mx_below");
  if (n.Has("my_above")) row.my_above = n.Number("my_above");
  if (n.Has("my_below")) row.my_below = n.Number("my_below");
  if (n.Has("holding")) row.holding = HoldingIn(n, "holding");
  if (n.Has("lacking")) row.lacking = HoldingIn(n, "lacking");
  if (n.Has("experience")) row.experience = n.Whole("experience", 1, 1000000);
  if (n.Has("gives")) row.gives = HoldingIn(n, "gives");
  if (n.Has("message")) {
    row.message = n.Text("message");
    for (const auto& [name, text] : kMessages)
      if (row.message == name) row.message_text = text;
    if (row.message_text.empty()) {
      std::string known;
      for (const auto& [name, text] : kMessages) known += (known.empty() ? "" : ", ") + Quoted(std::string(name));
      Fail(n.In("message"), "no message is called " + Quoted(row.message) + " (there are " + known + ")");
    }
  }
  if (n.Has("go") != n.Has("entry")) Fail(where, "\"go\" and \"entry\" come together");
  if (n.Has("go")) {
    row.go = n.Text("go");
    row.entry = EntryIn(n);
  }
  if (row.experience == 0 && !row.gives && row.message.empty() && row.go.empty())
    Fail(where, "does nothing: give it \"go\", \"gives\", \"experience\" or \"message\"");
  return row;
}

LocationInfo ReadLocation(const Json& j, const std::string& at) {
  Node n(j, at, {"name", "picture", "mask", "arrivals", "enemies", "kits", "triggers"});
  LocationInfo loc;
  loc.name = n.Text("name");
  CheckName(loc.name, n.In("name"));
  const std::string where = at + " " + Quoted(loc.name);
  loc.picture = n.Text("picture");
  CheckFileName(loc.picture, ".jpg", where + ".picture");
  loc.mask = n.Text("mask");
  CheckFileName(loc.mask, ".gif", where + ".mask");

  if (n.Has("arrivals")) {
    const Json& list = n.List("arrivals");
    std::set<std::string> entries;
    for (size_t i = 0; i < list.size(); ++i) {
      std::string row_at = where + ".arrivals[" + std::to_string(i) + "]";
      ArrivalRow row = ReadArrival(list[i], row_at);
      if (!entries.insert(row.entry).second) Fail(row_at, "a second arrival for the same entry");
      if (entries.count("") && !row.entry.empty())
        Fail(row_at, "comes after the \"*\" arrival, which takes every entry");
      loc.arrivals.push_back(row);
    }
  }
  if (n.Has("enemies")) {
    const Json& list = n.List("enemies");
    if (list.size() > kEnemyEntries)
      Fail(where + ".enemies", "more than the " + std::to_string(kEnemyEntries) + " entries of the enemy table");
    for (size_t i = 0; i < list.size(); ++i)
      loc.enemies.push_back(
          Node::PointIn(list[i], where + ".enemies[" + std::to_string(i) + "]", INT32_MIN, INT32_MAX));
  }
  if (n.Has("kits")) {
    const Json& list = n.List("kits");
    for (size_t i = 0; i < list.size(); ++i) {
      Node kit(list[i], where + ".kits[" + std::to_string(i) + "]", {"slot", "at"});
      loc.kits.push_back({kit.Whole("slot", 0, int64_t(kKitEntries) - 1), kit.Point("at", INT16_MIN, INT16_MAX)});
    }
  }
  if (n.Has("triggers")) {
    const Json& list = n.List("triggers");
    for (size_t i = 0; i < list.size(); ++i)
      loc.triggers.push_back(ReadTrigger(list[i], where + ".triggers[" + std::to_string(i) + "]"));
  }
  return loc;
}

const LocationInfo& Named(const LocationTable& table, const std::string& name, const std::string& where) {
  for (const LocationInfo& loc : table.locations)
    if (loc.name == name) return loc;
  Fail(where, "no location is called " + Quoted(name));
}

}  // namespace

LocationTable ReadLocationFile(std::string_view text) {
  Json j;
  try {
    j = Json::parse(text);
  } catch (const Json::parse_error& e) {
    Fail("", std::string("not JSON: ") + e.what());
  }
  Node top(j, "", {"locations", "start", "walking_boss", "boss_fight"});
  LocationTable table;

  const Json& list = top.List("locations");
  if (list.empty()) Fail("locations", "names no location");
  std::set<std::string> names, files;
  std::set<int> slots;
  for (size_t i = 0; i < list.size(); ++i) {
    std::string at = "locations[" + std::to_string(i) + "]";
    LocationInfo loc = ReadLocation(list[i], at);
    if (!names.insert(loc.name).second) Fail(at, "a second location called " + Quoted(loc.name));
    for (const std::string& file : {loc.picture, loc.mask})
      if (!files.insert(file).second) Fail(at, Quoted(file) + " is already the file of another location");
    for (const KitPlace& kit : loc.kits)
      if (!slots.insert(kit.slot).second)
        Fail(at, "first-aid kit slot " + std::to_string(kit.slot) + " is taken twice");
    table.locations.push_back(std::move(loc));
  }
  // The kit table is filled from its first entry on.
  if (!slots.empty() && *slots.rbegin() != int(slots.size()) - 1)
    Fail("locations", "the first-aid kit slots must be 0 to " + std::to_string(slots.size() - 1) + ", each once");
  for (size_t l = 0; l < table.locations.size(); ++l) {
    const LocationInfo& loc = table.locations[l];
    for (size_t i = 0; i < loc.triggers.size(); ++i)
      if (!loc.triggers[i].go.empty())
        Named(table, loc.triggers[i].go,
              "locations[" + std::to_string(l) + "] " + Quoted(loc.name) + ".triggers[" + std::to_string(i) + "].go");
  }

  Node start(top.At("start"), "start", {"location", "view", "player"});
  table.start.location = Named(table, start.Text("location"), start.In("location")).name;
  table.start.view = start.Point("view");
  table.start.player = start.Point("player");

  Node walk(top.At("walking_boss"), "walking_boss", {"location", "start", "target", "speed", "pose"});
  const LocationInfo& walk_at = Named(table, walk.Text("location"), walk.In("location"));
  // The walk is set up while the location's enemies are placed.
  if (walk_at.enemies.empty()) Fail(walk.In("location"), Quoted(walk_at.name) + " places no enemies");
  table.walking_boss.location = walk_at.name;
  table.walking_boss.start = walk.Point("start");
  table.walking_boss.target = walk.Point("target");
  // Its heading is worked out from (start x - target x) / (start y - target y).
  if (table.walking_boss.start.y == table.walking_boss.target.y)
    Fail(walk.where(), "start and target must not lie level with each other");
  table.walking_boss.speed = walk.Whole("speed", 1, 100);
  table.walking_boss.pose = walk.Whole("pose", 1, 3);

  Node fight(top.At("boss_fight"), "boss_fight",
             {"location", "width_divisor", "height_divisor", "speed", "pose", "life", "minions"});
  table.boss_fight.location = Named(table, fight.Text("location"), fight.In("location")).name;
  table.boss_fight.width_divisor = fight.Whole("width_divisor", 1, 100);
  table.boss_fight.height_divisor = fight.Whole("height_divisor", 1, 100);
  table.boss_fight.speed = fight.Whole("speed", 1, 100);
  table.boss_fight.pose = fight.Whole("pose", 1, 3);
  table.boss_fight.life = fight.Whole("life", 1, INT16_MAX);
  const Json& minions = fight.List("minions");
  if (minions.empty() || minions.size() > kMostMinions)
    Fail(fight.In("minions"), "must hold 1 to " + std::to_string(kMostMinions) + " places");
  for (size_t i = 0; i < minions.size(); ++i)
    table.boss_fight.minions.push_back(
        Node::PointIn(minions[i], fight.In("minions") + "[" + std::to_string(i) + "]", INT32_MIN, INT32_MAX));
  return table;
}

}  // namespace cw
