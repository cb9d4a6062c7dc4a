// The copies of the search for the smallest value, one per vector unit, and the checks
// that say which of them the processor running the program can execute.
#include "smallest_search.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <limits>
#include <utility>

// GCC and Clang build the search once per x86 vector unit and pick a copy at run time, with
// none of the loader's indirect functions, so ELF, PE and Mach-O alike. Their run-time support
// (libgcc, compiler-rt) reads at start-up which registers the system saves (XCR0), and reports
// AVX and AVX2 only with the ymm registers saved, AVX-512F only with the zmm and mask ones too;
// Linux and Windows always save the SSE units' xmm registers. Other compilers and processors
// build the search once, for the default target, and every row of the table names that copy.
#if defined(SORT_NUMBERS_HAVE_CPU_DISPATCH)
#define SORT_NUMBERS_INLINE __attribute__((always_inline)) inline
#define SORT_NUMBERS_HAS(feature) (__builtin_cpu_supports(feature) != 0)
// The search compiled for the features named, for the table below; kept out of clang-format,
// whose releases disagree on where the lambda's attribute goes.
// clang-format off
#define SORT_NUMBERS_COPY_FOR(features)                                           \
  [](int const* values, int start, int count) __attribute__((target(features))) { \
    return find_smallest(values, start, count);                                   \
  }
// clang-format on
#else
#define SORT_NUMBERS_INLINE inline
#define SORT_NUMBERS_HAS(feature) false
#define SORT_NUMBERS_COPY_FOR(features) find_smallest_baseline
#endif

namespace {

// Values per block: the minimum of a full block is a loop of constant length that the
// compiler turns into vector instructions. 128 measured fastest with AVX-512; longer
// blocks leave more to search at the end, shorter ones more block minima to reduce.
constexpr int kBlock = 128;

// The smallest of values[0] to values[length - 1]. Forced inline, as is find_smallest,
// so that each copy below gets its own code for its own vector unit.
SORT_NUMBERS_INLINE int smallest_of(int const* values, int length) {
  int smallest = std::numeric_limits<int>::max();
  for (int k = 0; k < length; ++k) {
    smallest = std::min(smallest, values[k]);
  }
  return smallest;
}

// index_of_smallest a block at a time. It keeps the smallest value so far and the first
// block that holds it; only a block whose minimum is strictly smaller takes over, so the
// earliest position is in that block, and only that block is searched.
SORT_NUMBERS_INLINE int find_smallest(int const* values, int start, int count) {
  int smallest = values[start];
  int block = start;
  int block_length = 1;
  // The last step takes k up to kBlock - 1 past count, which would overflow an int for a
  // count near the largest. A ptrdiff_t holds it wherever count ints fit in memory; stepping
  // by a constant, not by each block's length, keeps the loop as fast as it was.
  for (std::ptrdiff_t k = start + 1; k < count; k += kBlock) {
    int const length = static_cast<int>(std::min<std::ptrdiff_t>(kBlock, count - k));
    int const block_smallest =
        length == kBlock ? smallest_of(values + k, kBlock) : smallest_of(values + k, length);
    if (block_smallest < smallest) {
      smallest = block_smallest;
      block = static_cast<int>(k);
      block_length = length;
    }
  }
  return static_cast<int>(std::find(values + block, values + block + block_length, smallest) -
                          values);
}

int find_smallest_baseline(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}

struct copy_of_search {
  vector_unit unit;
  char const* name;
  // Whether the processor has every vector unit that the copy's target enables beyond those
  // of the rows after it (target("avx512f") enables AVX2 and all below it). The other
  // features that the targets enable go unchecked, since the search has none of their
  // instructions: XSAVE's and MWAIT's come only from their intrinsics, and a minimum of ints
  // needs no conversion of F16C, multiply-add of FMA or bit count of POPCNT.
  bool (*has_features)();
  int (*search)(int const* values, int start, int count);
};

// The copies, widest first, in the order of vector_unit. Each row's target enables every
// feature of the rows after it, so a copy can run where its row's check and those of all the
// rows after it pass.
constexpr copy_of_search kCopies[] = {
    {vector_unit::avx512f, "avx512f", [] { return SORT_NUMBERS_HAS("avx512f"); },
     SORT_NUMBERS_COPY_FOR("avx512f")},
    {vector_unit::avx2, "avx2",
     [] {
       return SORT_NUMBERS_HAS("avx2") && SORT_NUMBERS_HAS("avx") && SORT_NUMBERS_HAS("sse4.2");
     },
     SORT_NUMBERS_COPY_FOR("avx2")},
    // SSE and SSE2 are the default for x86-64, not for i686.
    {vector_unit::sse4_1, "sse4.1",
     [] {
       return SORT_NUMBERS_HAS("sse4.1") && SORT_NUMBERS_HAS("ssse3") && SORT_NUMBERS_HAS("sse3") &&
              SORT_NUMBERS_HAS("sse2") && SORT_NUMBERS_HAS("sse") && SORT_NUMBERS_HAS("mmx");
     },
     SORT_NUMBERS_COPY_FOR("sse4.1")},
    {vector_unit::baseline, "baseline", [] { return true; }, find_smallest_baseline},
};

constexpr bool in_order_of_vector_unit() {
  for (std::size_t k = 0; k < std::size(kCopies); ++k) {
    if (static_cast<std::size_t>(kCopies[k].unit) != k) {
      return false;
    }
  }
  return kCopies[std::size(kCopies) - 1].unit == vector_unit::baseline;
}
static_assert(in_order_of_vector_unit(), "kCopies has one row per vector_unit, in its order");

// The places of the rows, first to last.
constexpr auto kRows = std::make_index_sequence<std::size(kCopies)>();

template <std::size_t... Row>
constexpr std::array<vector_unit, sizeof...(Row)> units_of(std::index_sequence<Row...> /*rows*/) {
  return {kCopies[Row].unit...};
}

// Every unit, in the order of the table, for all_units.
constexpr auto kUnits = units_of(kRows);

// The readers below take each row in a branch of its own, at a constant place, so that an
// optimising compiler reads the table as it compiles and the program holds no copy of it,
// whose pointers the loader would write at start-up.

// Returns read(row) for the row of unit.
template <std::size_t... Row, typename Read>
auto read_row(vector_unit unit, std::index_sequence<Row...> /*rows*/, Read read) {
  decltype(read(kCopies[0])) result{};
  static_cast<void>(((kCopies[Row].unit == unit && (result = read(kCopies[Row]), true)) || ...));
  return result;
}

// Whether the checks of the row of unit and of every row after it pass.
template <std::size_t... Row>
bool checks_pass_from(vector_unit unit, std::index_sequence<Row...> /*rows*/) {
  return ((kCopies[Row].unit < unit || kCopies[Row].has_features()) && ...);
}

// Returns the unit of the first row whose check and those of every row after it pass.
template <std::size_t... Row>
vector_unit widest_that_runs(std::index_sequence<Row...> rows) {
  vector_unit widest = vector_unit::baseline;
  static_cast<void>(
      ((checks_pass_from(kCopies[Row].unit, rows) && (widest = kCopies[Row].unit, true)) || ...));
  return widest;
}

}  // namespace

std::span<vector_unit const> all_units() { return kUnits; }

char const* name_of(vector_unit unit) {
  return read_row(unit, kRows, [](copy_of_search const& copy) { return copy.name; });
}

bool can_run(vector_unit unit) { return checks_pass_from(unit, kRows); }

vector_unit unit_in_use() { return widest_that_runs(kRows); }

int index_of_smallest_with(vector_unit unit, int const* values, int start, int count) {
  return read_row(unit, kRows,
                  [=](copy_of_search const& copy) { return copy.search(values, start, count); });
}
