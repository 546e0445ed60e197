#include "world/location_catalogue.h"

namespace cw {

const std::vector<LocationInfo>& Locations() {
  // "r" and "s" are not named anywhere: they take a location's default arrival.
  static const std::vector<LocationInfo> kLocations = {
      {"city",
       "city.jpg",
       "cityCollid.gif",
       {{"powerplant1", {-902, -1230}, {438, 350}},
        {"hut", {-440, -6}, {613, 238}},
        {"duvave1", {-226, -680}, {355, 356}}},
       {}},
      {"hut", "hut.jpg", "hutCollid.gif", {{"", {-4, -4}, {288, 350}}}, {{152, 176}, {416, 264}, {288, 320}}},
      {"powerplant1",
       "powerplant1.jpg",
       "powerplant1Collid.gif",
       {{"powerplant2", {-351, -200}, {639, 235}, false},  // coming back up: the floor keeps its enemies
        {"", {-4, -4}, {175, 350}}},
       {{144, 176}, {160, 536}}},
      {"powerplant2",
       "powerplant2.jpg",
       "powerplant2Collid.gif",
       {{"", {-4, -4}, {171, 272}}},
       {{248, 192}, {248, 368}, {200, 265}}},
      {"powerplant3",
       "powerplant3.jpg",
       "powerplant3Collid.gif",
       {{"", {-4, -4}, {171, 160}}},
       {{72, 152}, {224, 216}}},
      {"duvave1",
       "duvave1.jpg",
       "duvave1Collid.gif",
       {{"city", {-4, -4}, {360, 350}}, {"", {-4, -4}, {344, 160}}},
       {{416, 296}, {296, 296}, {216, 304}, {488, 304}}},
      {"duvave2", "duvave2.jpg", "duvave2Collid.gif", {{"", {-4, -4}, {336, 350}}}, {}},
      {"duvavelab1",
       "duvavelab1.jpg",
       "duvavelab1collid.gif",  // this one mask is spelled with a small "c"
       {{"duvavelab2", {-4, -4}, {544, 154}}, {"", {-4, -4}, {171, 350}}},
       {{280, 384}, {104, 264}, {320, 312}}},
      {"duvavelab2",
       "duvavelab2.jpg",
       "duvavelab2Collid.gif",
       {{"", {-4, -75}, {312, 350}}},
       {{160, 392}, {456, 328}, {440, 158}, {216, 176}}},
      {"duvavelab3", "duvavelab3.jpg", "duvavelab3Collid.gif", {{"", {-4, -4}, {171, 160}}}, {{128, 216}, {256, 112}}},
  };
  return kLocations;
}

const LocationInfo* FindLocation(const std::string& name) {
  for (const LocationInfo& location : Locations())
    if (location.name == name) return &location;
  return nullptr;
}

const ArrivalRow* FindArrival(const LocationInfo& location, const std::string& entry) {
  // A saved game brings its own view and position.
  for (const ArrivalRow& row : location.arrivals)
    if (row.entry == entry || (row.entry.empty() && entry != "save")) return &row;
  return nullptr;
}

}  // namespace cw
