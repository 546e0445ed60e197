// Number texts, parsing, rounding, single-precision sums and the random numbers, with exact expected
// values. The Windows build runs this file under Wine as well (numbers_test.exe), where the C runtime
// is not glibc: the saved game and the status labels must read the same on both.
#include <cmath>

#include <gtest/gtest.h>

#include "runtime/random.h"
#include "runtime/value_types.h"

namespace cw {
namespace {

TEST(FaithfulNumbersTest, TextsHoldFifteenSignificantDigitsWithoutExponent) {
  EXPECT_EQ(NumberText(0.1), "0.1");
  EXPECT_EQ(NumberText(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(NumberText(123456789012345.6), "123456789012346");
  EXPECT_EQ(NumberText(1e15), "1000000000000000");
  EXPECT_EQ(NumberText(0x1.1c37937e08001p+53), "10000000000000002");
  EXPECT_EQ(NumberText(0x1.12210f47de981p+60), "1234567890123456768");
  EXPECT_EQ(NumberText(1e21), "1000000000000000000000");
  EXPECT_EQ(NumberText(6.02214076e23), "602214075999999987023872");
  EXPECT_EQ(NumberText(-1e-5), "-0.00001");
  EXPECT_EQ(NumberText(1.5e-10), "0.00000000015");
  EXPECT_EQ(NumberText(2.5e-7), "0.00000025");
  EXPECT_EQ(NumberText(-0.000123456789012345678), "-0.000123456789012346");
  EXPECT_EQ(NumberText(1e-25), "0");
  EXPECT_EQ(NumberText(0x0.0000000000001p-1022), "0");
  EXPECT_EQ(NumberText(170.5 * 3.3), "562.65");
  EXPECT_EQ(NumberText(0.1 * 3), "0.3");
  EXPECT_EQ(NumberText(100.0 / 7), "14.2857142857143");
  EXPECT_EQ(NumberText(0x1.0aaaaaaaaaaabp+5), "33.3333333333333");
}

TEST(FaithfulNumbersTest, ParsingIsCorrectlyRounded) {
  EXPECT_EQ(ParseNumber("0.1"), 0x1.999999999999ap-4);
  EXPECT_EQ(ParseNumber(" 171 "), 171);
  EXPECT_EQ(ParseNumber("+5"), 5);
  EXPECT_EQ(ParseNumber("1e3"), 1000);
  EXPECT_EQ(ParseNumber("1E-3"), 0x1.0624dd2f1a9fcp-10);
  EXPECT_EQ(ParseNumber("-.5"), -0.5);
  EXPECT_EQ(ParseNumber("5."), 5);
  EXPECT_EQ(ParseNumber(" \t-42.125\t"), -42.125);
  EXPECT_EQ(ParseNumber("12345678901234567890"), 0x1.56a95319d63e1p+63);
  EXPECT_EQ(ParseNumber("0.30000000000000004441"), 0x1.3333333333334p-2);
  EXPECT_EQ(ParseNumber("1.7976931348623158e308"), 0x1.fffffffffffffp+1023);
  EXPECT_EQ(ParseNumber("2.5e-324"), 0x0.0000000000001p-1022);
  EXPECT_EQ(ParseNumber("1e-400"), 0);
  EXPECT_TRUE(std::signbit(*ParseNumber("-0")));
  for (const char* refused : {"1e400", "1.2.3", "0x10", "inf", "nan", "1e", ""})
    EXPECT_FALSE(ParseNumber(refused)) << refused;
}

TEST(FaithfulNumbersTest, TextsReadBackToTheSameNumber) {
  for (double d : {170.5, -458.25, 0.1 + 0.2, 1.0 / 3, 2147483647.0, 4.5e-5})
    EXPECT_EQ(NumberText(*ParseNumber(NumberText(d))), NumberText(d)) << d;
}

TEST(FaithfulNumbersTest, HalvesRoundToEven) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_TRUE(std::signbit(RoundHalfEven(-0.5)));
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(0x1.fffffffffffffp+51), 0x1p+52);
  EXPECT_EQ(RoundHalfEven(-0x1.fffffffffffffp+51), -0x1p+52);
  EXPECT_EQ(RoundHalfEven(0x1.fffffffffffffp-2), 0);
  EXPECT_EQ(RoundHalfEven(0x1.4000000000001p+1), 3);
}

TEST(FaithfulNumbersTest, SinglePrecisionSums) {
  float sum = 0;
  for (int i = 0; i < 10; ++i) sum += 0.1f;
  EXPECT_EQ(double(sum), 0x1.000002p+0);
  EXPECT_EQ(NumberText(sum), "1.00000011920929");
  float limit = float(7) / 10.0f + 3.0f;  // a speed limit from Vitality 7
  EXPECT_EQ(double(limit), 0x1.d9999ap+1);
  EXPECT_EQ(NumberText(limit), "3.70000004768372");
}

TEST(FaithfulNumbersTest, RandomNumbersFollowTheSeed) {
  Random r;
  r.Seed(1);
  EXPECT_EQ(r.Next(), 0x1.122deafddb434p-3);
  EXPECT_EQ(r.Next(), 0x1.175c928118c7cp-3);
  EXPECT_EQ(r.Next(), 0x1.ce0b479deb99p-2);
  r.Seed(20240607);
  EXPECT_EQ(r.Next(), 0x1.29e6fe8642bb5p-1);
}

}  // namespace
}  // namespace cw
