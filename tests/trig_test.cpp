#include "runtime/trig.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include <gtest/gtest.h>

namespace cw {
namespace {

uint64_t Bits(double d) {
  uint64_t b;
  std::memcpy(&b, &d, sizeof b);
  return b;
}

// Distance in units in the last place between two finite doubles of the same sign.
int64_t UlpDistance(double a, double b) {
  if (a == b) return 0;
  return std::llabs(int64_t(Bits(a)) - int64_t(Bits(b)));
}

// The correctly rounded values (worked out in quadruple precision): the functions must give exactly
// these bits on every platform, or a game drifts apart between the desktop and the browser.
TEST(Trig, GivesTheCorrectlyRoundedBits) {
  struct SinCos {
    double x, sin, cos;
  };
  const SinCos sin_cos[] = {
      {0x1.eb851eb851eb8p-4, 0x1.ea5758f3ce5cdp-4, 0x1.fc5169dc5b825p-1},
      {-0x1.eb851eb851eb8p-4, -0x1.ea5758f3ce5cdp-4, 0x1.fc5169dc5b825p-1},
      {0x1p+0, 0x1.aed548f090ceep-1, 0x1.14a280fb5068cp-1},
      {0x1.921fb53c8d4f1p+1, 0x1.ed609d1a62633p-29, -0x1p+0},
      {0x1.92p+6, -0x1.fb3f833470ff1p-6, 0x1.ffc12adaecec2p-1},
      {-0x1.dp+2, -0x1.a56adb62a27b9p-1, 0x1.22c6f50dc3fbep-1},
      {0x1.12e0be826d695p-30, 0x1.12e0be826d695p-30, 0x1p+0},
      {0x1.921fb54442d18p-1, 0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1},
      {0x1.2d97c7f3321d2p+1, 0x1.6a09e667f3bcdp-1, -0x1.6a09e667f3bccp-1},
      {0x1.81cd6c8b43958p+13, -0x1.687d5890974a5p-1, 0x1.6b94c3bbe24b8p-1},
      {-0x1.c20b851eb851fp+11, -0x1.83cbff7368966p-4, 0x1.fdb33b10c9595p-1},
  };
  for (const auto& c : sin_cos) {
    EXPECT_EQ(Bits(Sin(c.x)), Bits(c.sin)) << std::hexfloat << "sin " << c.x;
    EXPECT_EQ(Bits(Cos(c.x)), Bits(c.cos)) << std::hexfloat << "cos " << c.x;
  }
  const std::pair<double, double> atan_cases[] = {
      {0x1.8p-1, 0x1.4978fa3269ee1p-1},
      {-0x1.8p-1, -0x1.4978fa3269ee1p-1},
      {0x1.286bca1af286cp+1, 0x1.29c52b7380526p+0},
      {0x1.19799812dea11p-40, 0x1.19799812dea11p-40},
      {0x1p-1, 0x1.dac670561bb4fp-2},
      {0x1.cp+2, 0x1.6dcc57bb565fdp+0},
      {-0x1.34ap+10, -0x1.91ea9efa2930ap+0},
      {0x1p-4, 0x1.ff55bb72cfdeap-5},
      {0x1.ep-1, 0x1.819d0b7158a4dp-1},
  };
  for (const auto& [x, v] : atan_cases) EXPECT_EQ(Bits(Atan(x)), Bits(v)) << std::hexfloat << "atan " << x;
}

TEST(Trig, SpecialArguments) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Bits(Sin(0.0)), Bits(0.0));
  EXPECT_EQ(Bits(Sin(-0.0)), Bits(-0.0));
  EXPECT_EQ(Cos(0.0), 1.0);
  EXPECT_TRUE(std::isnan(Sin(inf)));
  EXPECT_TRUE(std::isnan(Cos(-inf)));
  EXPECT_TRUE(std::isnan(Sin(std::nan(""))));
  EXPECT_TRUE(std::isnan(Atan(std::nan(""))));
  EXPECT_EQ(Bits(Atan(-0.0)), Bits(-0.0));
  EXPECT_EQ(Atan(inf), 0x1.921fb54442d18p+0);
  EXPECT_EQ(Atan(-inf), -0x1.921fb54442d18p+0);
  EXPECT_EQ(Atan(1.0), 0x1.921fb54442d18p-1);
}

// Over the arguments the game produces (headings that keep turning, aims from pixel differences) the
// values agree with the C library to within one unit in the last place, and mostly exactly.
TEST(Trig, AgreesWithTheCLibrary) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> heading(-5000, 5000), ratio(-300, 300);
  int differ = 0;
  const int n = 100000;
  for (int i = 0; i < n; ++i) {
    double x = heading(random), a = ratio(random);
    double pairs[3][2] = {{Sin(x), std::sin(x)}, {Cos(x), std::cos(x)}, {Atan(a), std::atan(a)}};
    for (auto& p : pairs) {
      ASSERT_LE(UlpDistance(p[0], p[1]), 1) << std::hexfloat << x << " " << a;
      differ += p[0] != p[1];
    }
  }
  EXPECT_LT(differ, 3 * n / 100);
}

}  // namespace
}  // namespace cw
