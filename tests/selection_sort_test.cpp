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
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <set>
#include <sstream>
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

// Whether /proc/cpuinfo describes the processor that runs the tests (see CMakeLists.txt); Wine
// shows the Unix root as drive Z:.
constexpr bool kCpuinfoNamesTheUnit = SORT_NUMBERS_CPUINFO_NAMES_THE_UNIT != 0;
#if defined(_WIN32)
constexpr char const* kCpuinfo = "Z:\\proc\\cpuinfo";
#else
constexpr char const* kCpuinfo = "/proc/cpuinfo";
#endif

// The widest unit whose copy's target needs only flags that /proc/cpuinfo lists (in the
// kernel's names: pni is SSE3), or empty if it lists none. The kernel leaves out AVX, AVX2 and
// AVX-512F where it does not save their registers.
std::string unit_that_the_kernel_names() {
  std::ifstream cpuinfo(kCpuinfo);
  std::string line;
  do {
    if (!std::getline(cpuinfo, line)) {
      return "";
    }
  } while (line.rfind("flags", 0) != 0);
  std::istringstream words(line.substr(line.find(':') + 1));
  std::set<std::string> const flags{std::istream_iterator<std::string>(words), {}};
  struct Unit {
    char const* name;
    std::vector<std::string> needs;
  };
  Unit const units[] = {
      {"avx512f",
       {"avx512f", "avx2", "avx", "sse4_2", "sse4_1", "ssse3", "pni", "sse2", "sse", "mmx"}},
      {"avx2", {"avx2", "avx", "sse4_2", "sse4_1", "ssse3", "pni", "sse2", "sse", "mmx"}},
      {"sse4.1", {"sse4_1", "ssse3", "pni", "sse2", "sse", "mmx"}},
  };
  for (Unit const& unit : units) {
    if (std::all_of(unit.needs.begin(), unit.needs.end(),
                    [&](std::string const& flag) { return flags.count(flag) != 0; })) {
      return unit.name;
    }
  }
  return "baseline";
}

// The copy picked is the one that the kernel's flags name, where they describe the processor,
// and the one that the test preset names (SORT_NUMBERS_EXPECTED_UNIT, for a processor that an
// emulator stands for), each that is there: so tests that lost their emulator fail too.
TEST(IndexOfSmallestTest, UsesTheUnitThatTheRunNames) {
  std::string const in_use = name_of(unit_in_use());
  char const* const named = std::getenv("SORT_NUMBERS_EXPECTED_UNIT");
  if (named != nullptr) {
    EXPECT_EQ(in_use, named) << "SORT_NUMBERS_EXPECTED_UNIT names another unit";
  }
  if constexpr (kCpuinfoNamesTheUnit) {
    std::string const listed = unit_that_the_kernel_names();
    ASSERT_FALSE(listed.empty()) << kCpuinfo << " has no line of flags";
    EXPECT_EQ(in_use, listed) << "the flags of " << kCpuinfo << " name another unit";
  } else if (named == nullptr) {
    GTEST_SKIP() << "the tests run under an emulator, or not on x86-64 Linux or Wine with a copy "
                    "per unit, where /proc/cpuinfo does not name the unit, and "
                    "SORT_NUMBERS_EXPECTED_UNIT names none";
  }
}

// Address space that cannot be read or written but for one range. An array that ends where
// the range ends crashes on a read past its end; a range at the end of a large reservation
// holds the last elements of an array of any count, with no memory for the rest.
class Reservation {
 public:
  Reservation(std::size_t size, std::size_t usable_from, std::size_t usable_size)
      : size_(size), usable_from_(usable_from), usable_size_(usable_size) {
#if defined(_WIN32)
    base_ = static_cast<char*>(::VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS));
    usable_ = base_ != nullptr && ::VirtualAlloc(base_ + usable_from, usable_size, MEM_COMMIT,
                                                 PAGE_READWRITE) != nullptr;
#else
    void* const base = ::mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    base_ = base == MAP_FAILED ? nullptr : static_cast<char*>(base);
    usable_ = base_ != nullptr &&
              ::mprotect(base_ + usable_from, usable_size, PROT_READ | PROT_WRITE) == 0;
#endif
  }
  Reservation(Reservation const&) = delete;
  Reservation& operator=(Reservation const&) = delete;
  ~Reservation() {
    if (base_ != nullptr) {
#if defined(_WIN32)
      ::VirtualFree(base_, 0, MEM_RELEASE);
#else
      ::munmap(base_, size_);
#endif
    }
  }

  [[nodiscard]] bool usable() const { return usable_; }
  // Makes the usable range read-only, where a write crashes; returns whether it is.
  [[nodiscard]] bool make_read_only() const {
#if defined(_WIN32)
    DWORD was = 0;
    return usable_ &&
           ::VirtualProtect(base_ + usable_from_, usable_size_, PAGE_READONLY, &was) != 0;
#else
    return usable_ && ::mprotect(base_ + usable_from_, usable_size_, PROT_READ) == 0;
#endif
  }
  // The address offset bytes in, untyped as mmap gives it, for a static_cast to the type held.
  [[nodiscard]] void* at(std::size_t offset) const { return base_ + offset; }

 private:
  std::size_t size_;
  std::size_t usable_from_;
  std::size_t usable_size_;
  char* base_ = nullptr;
  bool usable_ = false;
};

std::size_t page_size() {
#if defined(_WIN32)
  SYSTEM_INFO system;
  ::GetSystemInfo(&system);
  return system.dwPageSize;
#else
  return static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
#endif
}

class IndexOfSmallestWithTest : public ::testing::TestWithParam<vector_unit> {
 protected:
  // Every processor runs the baseline, so its tests never skip: a baseline that said
  // otherwise would hide its own tests, and leave the dispatch with nothing to pick.
  void SetUp() override {
    if (GetParam() == vector_unit::baseline) {
      ASSERT_TRUE(can_run(GetParam()));
    } else if (!can_run(GetParam())) {
      GTEST_SKIP() << "no " << name_of(GetParam()) << " copy in this build, or no such unit here";
    }
  }
};

TEST_P(IndexOfSmallestWithTest, AgreesWithReferenceAndReadsNothingPastTheEnd) {
  std::size_t const page = page_size();
  Reservation const pages(2 * page, 0, page);
  ASSERT_TRUE(pages.usable());

  // Values are scanned in blocks of 128 with vectors of up to 16: lengths around one to
  // three of each, from every start, put the range's ends at every offset within them.
  int const counts[] = {1,   2,   3,   15,  16,  17,  31,  32,  33,  127, 128,
                        129, 130, 255, 256, 257, 258, 383, 384, 385, 386};
  std::mt19937 engine(20261208);
  for (int count : counts) {
    for (std::vector<int> const& values : arrays_of_length(engine, count)) {
      int* const array = static_cast<int*>(pages.at(page)) - count;
      std::copy(values.begin(), values.end(), array);
      for (int start = 0; start < count; ++start) {
        SCOPED_TRACE(::testing::Message() << "count " << count << ", start " << start);
        ASSERT_EQ(index_of_smallest_with(GetParam(), array, start, count),
                  reference_index_of_smallest(values, start));
      }
    }
  }
}

// Positions up to the largest count: the search steps through blocks without a position
// that overflows. Only the last 1,000 elements of the 8 GiB array have memory behind them.
TEST_P(IndexOfSmallestWithTest, SearchesUpToTheLargestCount) {
  if constexpr (sizeof(void*) < 8) {
    GTEST_SKIP() << "a 32-bit system has no room for an array of 2147483647 ints";
  }
  constexpr int kTail = 1000;
  std::size_t const page = page_size();
  std::size_t const end = sizeof(int) * std::size_t{INT_MAX};
  std::size_t const tail_from = (end - sizeof(int) * kTail) / page * page;
  Reservation const pages(end + page, tail_from, end - tail_from);
  if (!pages.usable()) {
    GTEST_SKIP() << "this system does not lend 8 GiB of address space";
  }
  int* const array = static_cast<int*>(pages.at(0));
  std::mt19937 engine(20261208);
  for (std::vector<int> const& tail : arrays_of_length(engine, kTail)) {
    std::copy(tail.begin(), tail.end(), array + (INT_MAX - kTail));
    for (int k = 1; k <= kTail; ++k) {
      SCOPED_TRACE(::testing::Message() << "start INT_MAX - " << k);
      ASSERT_EQ(index_of_smallest_with(GetParam(), array, INT_MAX - k, INT_MAX),
                INT_MAX - kTail + reference_index_of_smallest(tail, kTail - k));
    }
  }
}

// Test names cannot hold the dot of "sse4.1".
std::string test_name(::testing::TestParamInfo<vector_unit> const& unit) {
  std::string name = name_of(unit.param);
  std::replace(name.begin(), name.end(), '.', '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(EachCopy, IndexOfSmallestWithTest, ::testing::ValuesIn(all_units()),
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

// Nothing written where nothing moves: no pass for a count below 2, down to the lowest int,
// and no exchange of an element with itself in an array in order or all equal. The array sits
// in a read-only page: a write faults, and the test fails.
TEST(SortTest, WritesNothingWhereNothingMoves) {
  struct Case {
    std::vector<int> values;
    int count;
  };
  Case const cases[] = {{{2, 1}, INT_MIN}, {{2, 1}, INT_MIN + 1}, {{2, 1}, -1},  {{2, 1}, 0},
                        {{2, 1}, 1},       {{1, 2, 3}, 3},        {{7, 7, 7}, 3}};
  std::size_t const page = page_size();
  for (Case const& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.values) + ", count " + std::to_string(c.count));
    Reservation const pages(page, 0, page);
    ASSERT_TRUE(pages.usable());
    int* const array = static_cast<int*>(pages.at(0));
    std::copy(c.values.begin(), c.values.end(), array);
    ASSERT_TRUE(pages.make_read_only());
    sort(array, c.count);
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
