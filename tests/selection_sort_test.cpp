// Unit tests of the selection sort module.
#include "selection_sort.hpp"

#if defined(_WIN32)
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <climits>
#include <cstddef>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "smallest_search.hpp"

// Names the copy in the test's name and messages, where a plain enum would show as bytes.
void PrintTo(vector_unit unit, std::ostream* out) { *out << name_of(unit); }

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

// Two pages, the second of which cannot be read or written: an array placed to end where
// it begins turns a read past its last element into a crash rather than a silent pass.
class GuardedPages {
 public:
  GuardedPages() {
#if defined(_WIN32)
    SYSTEM_INFO system;
    ::GetSystemInfo(&system);
    page_ = system.dwPageSize;
    pages_ = ::VirtualAlloc(nullptr, 2 * page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    DWORD previous = 0;
    guarded_ = pages_ != nullptr && ::VirtualProtect(guard(), page_, PAGE_NOACCESS, &previous) != 0;
#else
    page_ = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    pages_ = ::mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages_ == MAP_FAILED) {
      pages_ = nullptr;
    }
    guarded_ = pages_ != nullptr && ::mprotect(guard(), page_, PROT_NONE) == 0;
#endif
  }
  GuardedPages(GuardedPages const&) = delete;
  GuardedPages& operator=(GuardedPages const&) = delete;
  ~GuardedPages() {
#if defined(_WIN32)
    ::VirtualFree(pages_, 0, MEM_RELEASE);
#else
    ::munmap(pages_, 2 * page_);
#endif
  }

  [[nodiscard]] bool guarded() const { return guarded_; }
  // The first byte of the page that cannot be touched.
  [[nodiscard]] char* guard() const { return static_cast<char*>(pages_) + page_; }

 private:
  std::size_t page_ = 0;
  void* pages_ = nullptr;
  bool guarded_ = false;
};

class IndexOfSmallestWithTest : public ::testing::TestWithParam<vector_unit> {};

TEST_P(IndexOfSmallestWithTest, AgreesWithReferenceAndReadsNothingPastTheEnd) {
  // Every processor runs the baseline, so its test never skips: a baseline that said
  // otherwise would hide its own test, and leave the dispatch with nothing to pick.
  if (GetParam() == vector_unit::baseline) {
    ASSERT_TRUE(can_run(GetParam()));
  } else if (!can_run(GetParam())) {
    GTEST_SKIP() << "no " << name_of(GetParam()) << " copy in this build, or no such unit here";
  }
  GuardedPages const pages;
  ASSERT_TRUE(pages.guarded());

  // Values are scanned in blocks of 128 with vectors of up to 16: lengths around one to
  // three of each, from every start, put the range's ends at every offset within them.
  int const counts[] = {1,   2,   3,   15,  16,  17,  31,  32,  33,  127, 128,
                        129, 130, 255, 256, 257, 258, 383, 384, 385, 386};
  std::mt19937 engine(20261208);
  for (int count : counts) {
    for (std::vector<int> const& values : arrays_of_length(engine, count)) {
      int* const array = reinterpret_cast<int*>(pages.guard()) - count;
      std::copy(values.begin(), values.end(), array);
      for (int start = 0; start < count; ++start) {
        SCOPED_TRACE(::testing::Message() << "count " << count << ", start " << start);
        ASSERT_EQ(index_of_smallest_with(GetParam(), array, start, count),
                  reference_index_of_smallest(values, start));
      }
    }
  }
}

// Test names cannot hold the dot of "sse4.1".
std::string test_name(::testing::TestParamInfo<vector_unit> const& unit) {
  std::string name = name_of(unit.param);
  std::replace(name.begin(), name.end(), '.', '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(EachCopy, IndexOfSmallestWithTest,
                         ::testing::Values(vector_unit::avx512f, vector_unit::avx2,
                                           vector_unit::sse4_1, vector_unit::baseline),
                         test_name);

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
      std::sort(expected.begin(), expected.end());
      sort(values.data(), count);
      EXPECT_EQ(values, expected);
    }
  }
}

}  // namespace
