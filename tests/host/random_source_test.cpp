#include "host/random_source.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <map>
#include <thread>

TEST(RandomSource, StaysInsideItsInclusiveBoundsAndReachesBoth) {
  host::RandomSource random;
  random.seed(7);
  std::map<int, int> seen;
  for (int i = 0; i < 3000; ++i) ++seen[random.between(1, 3)];
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen.begin()->first, 1);
  EXPECT_EQ(seen.rbegin()->first, 3);
}

TEST(RandomSource, IsUniform) {
  host::RandomSource random;
  random.seed(12345);
  constexpr int kValues = 10, kDraws = 200000;
  int counts[kValues] = {};
  for (int i = 0; i < kDraws; ++i) ++counts[random.between(0, kValues - 1)];
  for (int count : counts) EXPECT_NEAR(count, kDraws / kValues, kDraws / kValues * 0.03);
}

TEST(RandomSource, DegenerateAndExtremeRanges) {
  host::RandomSource random;
  EXPECT_EQ(random.between(5, 5), 5);
  EXPECT_EQ(random.between(9, 2), 9);
  bool negative = false, positive = false, low_top = false, high_top = false;
  for (int i = 0; i < 1000; ++i) {
    const int r = random.between(INT_MIN, INT_MAX);
    negative |= r < 0;
    positive |= r > 0;
    const int top = random.between(INT_MAX - 1, INT_MAX);
    ASSERT_GE(top, INT_MAX - 1);
    low_top |= top == INT_MAX - 1;
    high_top |= top == INT_MAX;
  }
  EXPECT_TRUE(negative && positive) << "the full 32-bit range is used";
  EXPECT_TRUE(low_top && high_top) << "a two-value range at the top reaches both";
}

TEST(RandomSource, SameSeedSameSequenceOtherSeedOtherSequence) {
  host::RandomSource a, b, c;
  a.seed(99);
  b.seed(99);
  c.seed(100);
  int differences = 0;
  for (int i = 0; i < 50; ++i) {
    const int x = a.between(1, 1000000);
    EXPECT_EQ(x, b.between(1, 1000000));
    differences += x != c.between(1, 1000000);
  }
  EXPECT_GT(differences, 45);
}

TEST(RandomSource, SeedsFromItsClock) {
  host::RandomSource from_clock([] { return 4242u; });
  from_clock.seed_from_clock();
  host::RandomSource seeded;
  seeded.seed(4242);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(from_clock.between(1, 1 << 30), seeded.between(1, 1 << 30));
}

TEST(TickCount, Advances) {
  const auto start = host::tick_count();
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  const auto elapsed = host::tick_count() - start;
  EXPECT_GE(elapsed, 40u);
  EXPECT_LT(elapsed, 5000u);
}
