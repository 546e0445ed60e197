#pragma once
// The ten locations as data: their files, where the player arrives from each entry, and the enemies placed on entry.
#include <string>
#include <string_view>
#include <vector>

namespace cw {

struct MapPoint {
  int x = 0, y = 0;
};

// Where the player stands after arriving through one entry of a location.
struct ArrivalRow {
  std::string_view entry;  // the text given to LoadLocation; empty for every other entry except "save"
  MapPoint view;           // helpXCity, helpYCity
  MapPoint player;         // My_x, My_y
  bool places_enemies = true;
};

struct LocationInfo {
  std::string_view name;
  std::string_view picture;
  std::string_view mask;
  std::vector<ArrivalRow> arrivals;  // tried in order; the first match wins; no match changes nothing
  std::vector<MapPoint> enemies;     // play-area positions, filled into Enemies 0..N-1
};

const std::vector<LocationInfo>& Locations();
// Exact name; null for a text that names no location.
const LocationInfo* FindLocation(const std::string& name);
// The arrival for `entry`, or null when the view and the player stay as they are.
const ArrivalRow* FindArrival(const LocationInfo& location, const std::string& entry);

}  // namespace cw
