#include "world/location_catalogue.h"

#include <string_view>

#include "ui/embedded_assets.h"
#include "world/location_file.h"

namespace cw {

const LocationTable& TheLocationTable() {
  // The build ran this same reader over the file before building it in, so it reads without fault here.
  static const LocationTable kTable = [] {
    auto bytes = EmbeddedAsset("locations.json");
    return ReadLocationFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }();
  return kTable;
}

const std::vector<LocationInfo>& Locations() { return TheLocationTable().locations; }

const LocationInfo* FindLocation(const std::string& name) {
  for (const LocationInfo& location : Locations())
    if (location.name == name) return &location;
  return nullptr;
}

const ArrivalRow* FindArrival(const LocationInfo& location, const std::string& entry) {
  // A saved game brings its own view and position; "r" and "s" are named nowhere and take the default.
  for (const ArrivalRow& row : location.arrivals)
    if (row.entry == entry || (row.entry.empty() && entry != "save")) return &row;
  return nullptr;
}

}  // namespace cw
