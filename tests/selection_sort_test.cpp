// Unit tests of the selection sort module.
#include "selection_sort.hpp"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The obvious scan that index_of_smallest must agree with: the earliest smallest.
int reference_index_of_smallest(std::vector<int> const& values, int start) {
  int position = start;
  for (int k = start + 1; k < static_cast<int>(values.size()); ++k) {
    if (values[static_cast<std::size_t>(k)] < values[static_cast<std::size_t>(position)]) {
      position = k;
    }
  }
  return position;
}

// Random values from a narrow range, so that ties are common, with the extremes mixed in.
std::vector<int> random_values(std::mt19937& engine, int count) {
  std::uniform_int_distribution<int> pick(-4, 4);
  std::vector<int> values(static_cast<std::size_t>(count));
  for (int& value : values) {
    int const drawn = pick(engine);
    value = drawn == -4 ? INT_MIN : drawn == 4 ? INT_MAX : drawn;
  }
  return values;
}

TEST(IndexOfSmallestTest, FindsTheEarliestSmallest) {
  struct Case {
    std::vector<int> values;
    int start;
    int expected;
  };
  Case const cases[] = {
      {{7}, 0, 0},
      {{3, 9}, 1, 1},
      {{4, 1, 1, 1}, 0, 1},
      {{1, 1, 1, 1}, 0, 0},
      {{1, 5, 2, 2}, 1, 2},
      {{5, 6, 7, -8}, 0, 3},
      {{0, INT_MAX, INT_MIN, INT_MIN}, 0, 2},
      {{INT_MIN, INT_MAX, 0}, 1, 2},
      {{-1, 0, 1}, 0, 0},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.values) + " from " + std::to_string(c.start));
    EXPECT_EQ(index_of_smallest(c.values.data(), c.start, static_cast<int>(c.values.size())),
              c.expected);
  }
}

TEST(IndexOfSmallestTest, AgreesWithReferenceFromEveryStart) {
  std::mt19937 engine(20261208);
  for (int count = 1; count <= 70; ++count) {
    std::vector<int> const values = random_values(engine, count);
    for (int start = 0; start < count; ++start) {
      SCOPED_TRACE(::testing::Message() << "count " << count << ", start " << start);
      ASSERT_EQ(index_of_smallest(values.data(), start, count),
                reference_index_of_smallest(values, start));
    }
  }
}

TEST(SortTest, SortsSmallArrays) {
  struct Case {
    std::vector<int> values;
    std::vector<int> expected;
  };
  Case const cases[] = {
      {{}, {}},
      {{42}, {42}},
      {{1, 2, 3}, {1, 2, 3}},
      {{7, 7, 7}, {7, 7, 7}},
      {{5, 4, 3, 2, 1}, {1, 2, 3, 4, 5}},
      {{2, 1, 1}, {1, 1, 2}},
      {{5, 3, 8, 1, 9}, {1, 3, 5, 8, 9}},
      {{3, -2, 0, -7}, {-7, -2, 0, 3}},
      {{INT_MAX, 0, INT_MIN, -1, INT_MAX, INT_MIN}, {INT_MIN, INT_MIN, -1, 0, INT_MAX, INT_MAX}},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.values));
    std::vector<int> values = c.values;
    sort(values.data(), static_cast<int>(values.size()));
    EXPECT_EQ(values, c.expected);
  }
}

TEST(SortTest, AgreesWithStandardSortOnRandomArrays) {
  std::mt19937 engine(7);
  std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
  for (int count : {2, 3, 17, 100, 1000, 3001}) {
    SCOPED_TRACE(::testing::Message() << "count " << count);
    std::vector<int> tied = random_values(engine, count);
    std::vector<int> spread(static_cast<std::size_t>(count));
    std::ranges::generate(spread, [&] { return any(engine); });
    for (std::vector<int>* values : {&tied, &spread}) {
      std::vector<int> expected = *values;
      std::ranges::sort(expected);
      sort(values->data(), count);
      EXPECT_EQ(*values, expected);
    }
  }
}

}  // namespace
