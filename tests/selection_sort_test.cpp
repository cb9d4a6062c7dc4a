// Unit tests of the selection sort module.
#include "selection_sort.hpp"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <random>
#include <vector>

#if defined(__unix__)
#include <sys/mman.h>
#include <unistd.h>
#endif

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

// Arrays of one kind each: many ties with the extremes, any int, and falling values in
// runs of three, whose smallest value sits in the last block, three times over.
std::vector<std::vector<int>> arrays_of_length(std::mt19937& engine, int count) {
  std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
  std::vector<int> spread(static_cast<std::size_t>(count));
  std::ranges::generate(spread, [&] { return any(engine); });
  std::vector<int> falling(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    falling[static_cast<std::size_t>(k)] = (count - k) / 3;
  }
  return {random_values(engine, count), spread, falling};
}

TEST(IndexOfSmallestTest, AgreesWithReferenceFromEveryStart) {
  // Values are scanned in blocks of 128 with vectors of up to 16: lengths around one to
  // three of each, and every start, put the range's ends at every offset within them.
  int const counts[] = {1,   2,   3,   15,  16,  17,  31,  32,  33,  127, 128,
                        129, 130, 255, 256, 257, 258, 383, 384, 385, 386};
  std::mt19937 engine(20261208);
  for (int count : counts) {
    for (std::vector<int> const& values : arrays_of_length(engine, count)) {
      for (int start = 0; start < count; ++start) {
        SCOPED_TRACE(::testing::Message() << "count " << count << ", start " << start);
        ASSERT_EQ(index_of_smallest(values.data(), start, count),
                  reference_index_of_smallest(values, start));
      }
    }
  }
}

#if defined(__unix__)
// An array whose last element ends a page, with no access allowed to the page after it:
// a read past the end is a segmentation fault, not a silent pass.
TEST(IndexOfSmallestTest, ReadsNothingPastTheEnd) {
  long const page = ::sysconf(_SC_PAGESIZE);
  std::size_t const size = static_cast<std::size_t>(page);
  void* const mapping =
      ::mmap(nullptr, 2 * size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(mapping, MAP_FAILED);
  char* const guard = static_cast<char*>(mapping) + size;
  ASSERT_EQ(::mprotect(guard, size, PROT_NONE), 0);
  std::mt19937 engine(11);
  for (int count : {1, 17, 129, 257, 385}) {
    for (std::vector<int> const& values : arrays_of_length(engine, count)) {
      int* const array = reinterpret_cast<int*>(guard) - count;
      std::ranges::copy(values, array);
      for (int start = 0; start < count; ++start) {
        SCOPED_TRACE(::testing::Message() << "count " << count << ", start " << start);
        ASSERT_EQ(index_of_smallest(array, start, count),
                  reference_index_of_smallest(values, start));
      }
    }
  }
  ::munmap(mapping, 2 * size);
}
#endif

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
  for (int count : {2, 3, 17, 100, 1000, 3001}) {
    SCOPED_TRACE(::testing::Message() << "count " << count);
    for (std::vector<int> values : arrays_of_length(engine, count)) {
      std::vector<int> expected = values;
      std::ranges::sort(expected);
      sort(values.data(), count);
      EXPECT_EQ(values, expected);
    }
  }
}

}  // namespace
