// The copies of the search for the smallest value, one per vector unit, and the checks
// that say which of them the processor running the program can execute.
#include "smallest_search.hpp"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <limits>

// GCC and Clang compile the search once per x86 vector unit and pick among the copies at
// run time from the processor's features. That needs neither the loader's indirect
// functions nor anything of the operating system's, so it works for ELF, PE and Mach-O
// alike. Other compilers and processors build one copy.
#if defined(SORT_NUMBERS_HAVE_CPU_DISPATCH)
#define SORT_NUMBERS_FOR(unit) __attribute__((target(unit)))
#define SORT_NUMBERS_INLINE __attribute__((always_inline)) inline
#else
#define SORT_NUMBERS_INLINE inline
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

#if defined(SORT_NUMBERS_HAVE_CPU_DISPATCH)
SORT_NUMBERS_FOR("avx512f") int find_smallest_avx512f(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}

SORT_NUMBERS_FOR("avx2") int find_smallest_avx2(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}

SORT_NUMBERS_FOR("sse4.1") int find_smallest_sse4_1(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}
#endif

int find_smallest_baseline(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}

}  // namespace

char const* name_of(vector_unit unit) {
  switch (unit) {
    case vector_unit::avx512f:
      return "avx512f";
    case vector_unit::avx2:
      return "avx2";
    case vector_unit::sse4_1:
      return "sse4.1";
    case vector_unit::baseline:
      break;
  }
  return "baseline";
}

bool can_run(vector_unit unit) {
#if defined(SORT_NUMBERS_HAVE_CPU_DISPATCH)
  // A load and a bit test: the features are read from the processor once, at start-up.
  switch (unit) {
    case vector_unit::avx512f:
      return __builtin_cpu_supports("avx512f");
    case vector_unit::avx2:
      return __builtin_cpu_supports("avx2");
    case vector_unit::sse4_1:
      return __builtin_cpu_supports("sse4.1");
    case vector_unit::baseline:
      return true;
  }
#endif
  return unit == vector_unit::baseline;
}

vector_unit unit_in_use() {
  // Asking on every call costs a few loads against a scan of the rest of the array, and
  // keeps no state between calls.
  constexpr vector_unit kWidestFirst[] = {vector_unit::avx512f, vector_unit::avx2,
                                          vector_unit::sse4_1, vector_unit::baseline};
  return *std::find_if(std::begin(kWidestFirst), std::end(kWidestFirst), can_run);
}

int index_of_smallest_with([[maybe_unused]] vector_unit unit, int const* values, int start,
                           int count) {
#if defined(SORT_NUMBERS_HAVE_CPU_DISPATCH)
  switch (unit) {
    case vector_unit::avx512f:
      return find_smallest_avx512f(values, start, count);
    case vector_unit::avx2:
      return find_smallest_avx2(values, start, count);
    case vector_unit::sse4_1:
      return find_smallest_sse4_1(values, start, count);
    case vector_unit::baseline:
      break;
  }
#endif
  return find_smallest_baseline(values, start, count);
}
