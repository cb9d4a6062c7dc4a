// Unit tests of the selection sort module.
#include "selection_sort.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The obvious scan that index_of_smallest must agree with: the earliest smallest.
int reference_index_of_smallest(std::vector<int> const& values, int start) {
  auto const first = values.begin() + start;
  return static_cast<int>(std::min_element(first, values.end()) - values.begin());
}

// Arrays of one kind each: many ties with the extremes mixed in, any int, and falling
// values in runs of three, whose smallest value sits in the last block, three times over.
std::vector<std::vector<int>> arrays_of_length(std::mt19937& engine, int count) {
  std::uniform_int_distribution<int> tied(-4, 4);
  std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
  std::vector<std::vector<int>> arrays(3, std::vector<int>(static_cast<std::size_t>(count)));
  for (int k = 0; k < count; ++k) {
    int const drawn = tied(engine);
    arrays[0][static_cast<std::size_t>(k)] = drawn == -4 ? INT_MIN : drawn == 4 ? INT_MAX : drawn;
    arrays[1][static_cast<std::size_t>(k)] = any(engine);
    arrays[2][static_cast<std::size_t>(k)] = (count - k) / 3;
  }
  return arrays;
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
      {{1, 1, 1}, 0, 0},
      {{1, 5, 2, 2}, 1, 2},
      {{5, 6, 7, -8}, 0, 3},
      {{0, INT_MAX, INT_MIN, INT_MIN}, 0, 2},
      {{INT_MIN, INT_MAX, 0}, 1, 2},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.values) + " from " + std::to_string(c.start));
    EXPECT_EQ(index_of_smallest(c.values.data(), c.start, static_cast<int>(c.values.size())),
              c.expected);
  }
}

// The values end where a page that cannot be read begins, so that a read past the last
// one is a segmentation fault rather than a silent pass.
TEST(IndexOfSmallestTest, AgreesWithReferenceAndReadsNothingPastTheEnd) {
  std::size_t const page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  void* const pages =
      ::mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(pages, MAP_FAILED);
  char* const guard = static_cast<char*>(pages) + page;
  ASSERT_EQ(::mprotect(guard, page, PROT_NONE), 0);

  // Values are scanned in blocks of 128 with vectors of up to 16: lengths around one to
  // three of each, from every start, put the range's ends at every offset within them.
  int const counts[] = {1,   2,   3,   15,  16,  17,  31,  32,  33,  127, 128,
                        129, 130, 255, 256, 257, 258, 383, 384, 385, 386};
  std::mt19937 engine(20261208);
  for (int count : counts) {
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
  ::munmap(pages, 2 * page);
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
