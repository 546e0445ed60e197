#include "runtime/value_types.h"

#include <cmath>

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(100.4), 100);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
  EXPECT_EQ(CInt(167.5), 168);
  EXPECT_EQ(CInt(51.5), 52);
}

TEST(IntFieldTest, StoringRoundsAndFaultsOutsideTheRange) {
  Int16 life = 100;
  life = life + 0.5;  // 100.5 -> 100
  EXPECT_EQ(life, 100);
  life = 101.5;
  EXPECT_EQ(life, 102);
  life = 32767;
  EXPECT_THROW(life = life + 1, OverflowFault);
  EXPECT_EQ(life, 32767);  // a faulting store leaves the field as it was
  EXPECT_THROW(life = -32768.6, OverflowFault);
  life = -32768.5;  // rounds to -32768, which fits
  EXPECT_EQ(life, -32768);
  EXPECT_THROW(life = std::nan(""), OverflowFault);

  Int32 needed = 1073741824;
  needed = needed * 2 - 1;
  EXPECT_EQ(needed, 2147483647);
  EXPECT_THROW(needed = needed * 2, OverflowFault);
}

TEST(ValueTest, EmptyFlagsNumbersAndTexts) {
  Value v;
  EXPECT_TRUE(v.IsEmpty());
  EXPECT_EQ(double(v), 0);
  EXPECT_FALSE(v);
  EXPECT_EQ(v.Text(), "");

  v = true;
  EXPECT_EQ(double(v), -1);
  EXPECT_EQ(v.Text(), "True");
  v = false;
  EXPECT_EQ(v.Text(), "False");

  Value x = 171;
  x = x - 0.5;
  EXPECT_EQ(x.kind(), Value::Kind::Number);
  EXPECT_EQ(double(x), 170.5);

  Value t = std::string("25");
  EXPECT_EQ(double(t) + 1, 26);
  Value bad = std::string("abc");
  EXPECT_THROW((void)double(bad), TypeMismatch);
}

TEST(NumberTextTest, WholeValuesPlainAndFractionsWithoutExponent) {
  EXPECT_EQ(NumberText(-6), "-6");
  EXPECT_EQ(NumberText(171), "171");
  EXPECT_EQ(NumberText(0), "0");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(170.5), "170.5");
  EXPECT_EQ(NumberText(-458.25), "-458.25");
  EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");  // 15 significant digits
  EXPECT_EQ(NumberText(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(NumberText(1e-7), "0.0000001");
  EXPECT_EQ(NumberText(2147483648.0), "2147483648");
}

TEST(SingleNumberTextTest, SixSignificantDigitsWithoutExponent) {
  EXPECT_EQ(SingleNumberText(939.999938964844f), "940");  // 100 + 42 / 5 x 100 in single precision
  EXPECT_EQ(SingleNumberText(625.0f), "625");
  EXPECT_EQ(SingleNumberText(std::nextafter(625.0f, 0.0f)), "625");
  EXPECT_EQ(SingleNumberText(155.0f), "155");
  EXPECT_EQ(SingleNumberText(0.1f), "0.1");  // 0.100000001490116 as a double
  EXPECT_EQ(SingleNumberText(16.8f), "16.8");
  EXPECT_EQ(SingleNumberText(1.0f / 3), "0.333333");
  EXPECT_EQ(SingleNumberText(-2.5f), "-2.5");
  EXPECT_EQ(SingleNumberText(819275.0f), "819275");
  EXPECT_EQ(SingleNumberText(0.0f), "0");
  EXPECT_EQ(SingleNumberText(-0.0f), "0");
  EXPECT_EQ(SingleNumberText(1e-7f), "0.0000001");
  EXPECT_EQ(SingleNumberText(2e7f), "20000000");
}

TEST(ParseNumberTest, AcceptsDecimalTextOnly) {
  EXPECT_EQ(ParseNumber("171"), 171);
  EXPECT_EQ(ParseNumber(" -458.25 "), -458.25);
  EXPECT_EQ(ParseNumber("+3"), 3);
  EXPECT_EQ(ParseNumber(".5"), 0.5);
  EXPECT_EQ(ParseNumber("1e3"), 1000);
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_FALSE(ParseNumber("-"));
  EXPECT_FALSE(ParseNumber("12abc"));
  EXPECT_FALSE(ParseNumber("True"));
  EXPECT_FALSE(ParseNumber("1,5"));
  EXPECT_FALSE(ParseNumber("1e999"));
}

}  // namespace
}  // namespace cw
