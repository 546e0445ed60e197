// Build step: reads the location table with the game's own reader and, only when the game would take
// it, copies it to where the program's embedded files are built from.
//   check_locations <assets/locations.json> <copy>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "world/location_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: check_locations TABLE COPY\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) {
    std::cerr << argv[1] << ": can't read it\n";
    return 1;
  }
  try {
    cw::ReadLocationFile(text.str());
  } catch (const cw::LocationFileError& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    std::remove(argv[2]);  // no copy of a table that was refused is left to build in
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << text.str();
  out.close();
  if (!out) {
    std::cerr << argv[2] << ": can't write it\n";
    return 1;
  }
  return 0;
}
