// Prints what sin, cos, atan and pow give for a fixed run of inputs: on Linux glibc's, on Windows
// those of glibc-math.dll. The two outputs must be the same, byte for byte.
//   math_probe [COUNT]   one digest line per function, then the first values in full
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

uint64_t state = 0x9E3779B97F4A7C15ull;
uint64_t Next() {
  state ^= state << 13;
  state ^= state >> 7;
  state ^= state << 17;
  return state;
}
double Unit() { return double(Next() >> 11) * 0x1.0p-53; }
uint64_t Bits(double d) {
  uint64_t b;
  std::memcpy(&b, &d, sizeof b);
  return b;
}

// Kept out of line so that the calls are real calls, as in the game.
[[gnu::noinline]] void SinCos(double x, double& s, double& c) {
  s = std::sin(x);
  c = std::cos(x);
}

}  // namespace

int main(int argc, char** argv) {
  long count = argc > 1 ? std::atol(argv[1]) : 1000000;
  const char* names[] = {"sin", "cos", "sin+cos", "atan", "pow(x,0.5)", "pow"};
  uint64_t digest[6];
  for (auto& d : digest) d = 0xcbf29ce484222325ull;
  volatile double half = 0.5;
  for (long i = 0; i < count; ++i) {
    // Headings as the game makes them (turns of 0.12), wide angles, ratios and squared distances.
    double x = i % 4 == 0 ? 0.12 * double(Next() % 200) - 12 : (Unit() * 2 - 1) * (i % 4 == 1 ? 7 : 400);
    double q = (Unit() * 2 - 1) * (i % 2 ? 3 : 300);
    double d = Unit() * 640000, e = (Unit() * 2 - 1) * 8;
    volatile double vx = x;
    double s, c;
    SinCos(vx, s, c);
    uint64_t r[6] = {Bits(std::sin(vx)), Bits(std::cos(vx)),      Bits(s) ^ (Bits(c) * 3),
                     Bits(std::atan(q)), Bits(std::pow(d, half)), Bits(std::pow(d, e))};
    for (int k = 0; k < 6; ++k) digest[k] = (digest[k] ^ r[k]) * 0x100000001b3ull;
    if (i < 8)
      std::printf("%016llx: %016llx %016llx %016llx %016llx\n", (unsigned long long)Bits(x), (unsigned long long)r[0],
                  (unsigned long long)r[1], (unsigned long long)r[3], (unsigned long long)r[5]);
  }
  for (int k = 0; k < 6; ++k) std::printf("%s %016llx\n", names[k], (unsigned long long)digest[k]);
  return 0;
}
