// The copies of the search for the smallest value, one per vector unit, and the checks
// that say which of them the processor running the program can execute.
#include "smallest_search.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <limits>
#include <utility>

// With GCC or Clang for x86, each copy is compiled for its unit's target, and the checks read
// what the compiler's run-time support found at start-up, which reports AVX, AVX2 and AVX-512F
// only where the system saves their registers. Elsewhere every copy is compiled for the default
// target, and only the baseline's check passes.
#if defined(SORT_NUMBERS_HAVE_CPU_DISPATCH)
#define SORT_NUMBERS_INLINE __attribute__((always_inline)) inline
#define SORT_NUMBERS_TARGET(features) __attribute__((target(features)))
#define SORT_NUMBERS_HAS(feature) (__builtin_cpu_supports(feature) != 0)
#else
#define SORT_NUMBERS_INLINE inline
#define SORT_NUMBERS_TARGET(features)
#define SORT_NUMBERS_HAS(feature) false
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
  // The last step takes k up to kBlock - 1 past count: a ptrdiff_t holds that wherever count
  // ints fit in memory, where an int would overflow for a count near the largest.
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

// The copies, each find_smallest compiled for one unit.
int find_smallest_baseline(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}
SORT_NUMBERS_TARGET("sse4.1") int find_smallest_sse4_1(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}
SORT_NUMBERS_TARGET("avx2") int find_smallest_avx2(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}
SORT_NUMBERS_TARGET("avx512f") int find_smallest_avx512f(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}

// Each returns whether the processor has the units that a copy's target enables beyond those
// of the next narrower copy's. The targets also enable XSAVE and POPCNT, and Clang's avx512f
// F16C and FMA, which go unchecked: a minimum of ints has none of their instructions.
bool has_avx512f() { return SORT_NUMBERS_HAS("avx512f"); }
bool has_avx2() {
  return SORT_NUMBERS_HAS("avx2") && SORT_NUMBERS_HAS("avx") && SORT_NUMBERS_HAS("sse4.2");
}
// SSE and SSE2 are the default for x86-64, not for i686.
bool has_sse4_1() {
  return SORT_NUMBERS_HAS("sse4.1") && SORT_NUMBERS_HAS("ssse3") && SORT_NUMBERS_HAS("sse3") &&
         SORT_NUMBERS_HAS("sse2") && SORT_NUMBERS_HAS("sse") && SORT_NUMBERS_HAS("mmx");
}
bool has_baseline() { return true; }

struct copy_of_search {
  vector_unit unit;
  char const* name;
  bool (*has_features)();
  int (*search)(int const* values, int start, int count);
};

// The copies, widest first, in the order of vector_unit. Each row's target enables every
// feature of the rows after it, so a copy can run where its row's check and those of all the
// rows after it pass.
constexpr copy_of_search kCopies[] = {
    {vector_unit::avx512f, "avx512f", has_avx512f, find_smallest_avx512f},
    {vector_unit::avx2, "avx2", has_avx2, find_smallest_avx2},
    {vector_unit::sse4_1, "sse4.1", has_sse4_1, find_smallest_sse4_1},
    {vector_unit::baseline, "baseline", has_baseline, find_smallest_baseline},
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

// The readers below take each row in a branch of its own, at a constant place, so that the
// compiler inlines every check and calls each copy directly. Through an index (a loop over the
// checks, an indirect call), a sort of 10 values took 26 % more instructions, of 1,000 9 % more
// (GCC 12, -O3, callgrind: the AVX2 copy).

// Returns read(row) for the row of unit.
template <std::size_t... Row, typename Read>
auto read_row(vector_unit unit, std::index_sequence<Row...> /*rows*/, Read read) {
  decltype(read(kCopies[0])) result{};
  static_cast<void>(((kCopies[Row].unit == unit && (result = read(kCopies[Row]), true)) || ...));
  return result;
}

// Returns the unit of the first row whose check and those of every row after it pass: the row
// after the last whose check fails (the baseline's never does), its place being its unit's value.
template <std::size_t... Row>
vector_unit widest_that_runs(std::index_sequence<Row...> /*rows*/) {
  std::size_t widest = 0;
  static_cast<void>(((kCopies[Row].has_features() || (widest = Row + 1, false)), ...));
  return static_cast<vector_unit>(widest);
}

}  // namespace

std::span<vector_unit const> all_units() { return kUnits; }

char const* name_of(vector_unit unit) {
  return read_row(unit, kRows, [](copy_of_search const& copy) { return copy.name; });
}

vector_unit unit_in_use() { return widest_that_runs(kRows); }

bool can_run(vector_unit unit) { return unit_in_use() <= unit; }

int index_of_smallest_with(vector_unit unit, int const* values, int start, int count) {
  return read_row(unit, kRows,
                  [=](copy_of_search const& copy) { return copy.search(values, start, count); });
}
