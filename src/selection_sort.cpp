// Selection sort: each pass moves the smallest remaining value to the front.
#include "selection_sort.hpp"

#include <algorithm>
#include <limits>

#if defined(SORT_NUMBERS_HAVE_TARGET_CLONES)
// One copy per vector unit; the loader picks the widest one the processor has.
#define SORT_NUMBERS_VECTORISED \
  __attribute__((target_clones("avx512f", "avx2", "sse4.1", "default")))
#else
#define SORT_NUMBERS_VECTORISED
#endif

namespace {

// Values per block: the minimum of a full block is a loop of constant length that the
// compiler turns into vector instructions. 128 measured fastest with AVX-512; longer
// blocks leave more to search at the end, shorter ones more block minima to reduce.
constexpr int kBlock = 128;

// The smallest of values[0] to values[length - 1].
inline int smallest_of(int const* values, int length) {
  int smallest = std::numeric_limits<int>::max();
  for (int k = 0; k < length; ++k) {
    smallest = std::min(smallest, values[k]);
  }
  return smallest;
}

// index_of_smallest at the width of the vector unit. It keeps the smallest value so far
// and the first block that holds it; only a block whose minimum is strictly smaller takes
// over, so the earliest position is in that block, and only that block is searched.
SORT_NUMBERS_VECTORISED
int find_smallest(int const* values, int start, int count) {
  int smallest = values[start];
  int block = start;
  int block_length = 1;
  for (int k = start + 1; k < count; k += kBlock) {
    int const length = std::min(kBlock, count - k);
    int const block_smallest =
        length == kBlock ? smallest_of(values + k, kBlock) : smallest_of(values + k, length);
    if (block_smallest < smallest) {
      smallest = block_smallest;
      block = k;
      block_length = length;
    }
  }
  return static_cast<int>(std::find(values + block, values + block + block_length, smallest) -
                          values);
}

}  // namespace

void sort(int* values, int count) {
  for (int i = 0; i < count - 1; ++i) {
    int const smallest = index_of_smallest(values, i, count);
    if (smallest != i) {
      swap_values(values[i], values[smallest]);
    }
  }
}

int index_of_smallest(int const* values, int start, int count) {
  return find_smallest(values, start, count);
}

void swap_values(int& first, int& second) {
  int const kept = first;
  first = second;
  second = kept;
}
