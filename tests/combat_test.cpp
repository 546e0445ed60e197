
#include <gtest/gtest.h>

#include "actors/collision.h"

namespace cw {
namespace {

TEST(CirclesOverlap, TouchingCirclesOverlap) {
  EXPECT_TRUE(CirclesOverlap(0, 0, 15, 30, 0, 15));
  EXPECT_TRUE(CirclesOverlap(10, 10, 2, 13, 14, 3));  // 5 apart, radii 5
}

TEST(CirclesOverlap, CirclesApartDoNot) {
  EXPECT_FALSE(CirclesOverlap(0, 0, 15, 30.001, 0, 15));
  EXPECT_FALSE(CirclesOverlap(10, 10, 2, 13, 14, 2.99));
}

TEST(CirclesOverlap, SameCentreOverlapsEvenWithoutRadius) { EXPECT_TRUE(CirclesOverlap(7, 7, 0, 7, 7, 0)); }

}  // namespace
}  // namespace cw
