#pragma once
// The game's random numbers: uniform in [0, 1), reseeded by every run of Form_Load.
#include <cstdint>
#include <random>

namespace cw {

class Random {
 public:
  void Seed(uint64_t seed) { engine_.seed(seed); }
  // 53 random bits; mt19937_64 is specified exactly, so a seed gives the same numbers everywhere.
  double Next() { return double(engine_() >> 11) * 0x1.0p-53; }

 private:
  std::mt19937_64 engine_{1};
};

}  // namespace cw
