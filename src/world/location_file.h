#pragma once
// Reads the location table (assets/locations.json). The build runs this reader over the file before
// it builds the file into the program, so a table the game would refuse never gets that far.
#include <stdexcept>
#include <string_view>

#include "world/location_catalogue.h"

namespace cw {

// What is wrong and where, e.g. `locations[2] "powerplant2": triggers[1]: unknown key "gose"`.
struct LocationFileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

LocationTable ReadLocationFile(std::string_view text);

}  // namespace cw
