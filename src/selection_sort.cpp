// Selection sort: each pass moves the smallest remaining value to the front.
#include "selection_sort.hpp"

#include <algorithm>
#include <iterator>

#include "smallest_search.hpp"

void sort(int* values, int count) {
  for (int i = 0; i < count - 1; ++i) {
    int const smallest = index_of_smallest(values, i, count);
    if (smallest != i) {
      swap_values(values[i], values[smallest]);
    }
  }
}

int index_of_smallest(int const* values, int start, int count) {
  // The widest unit the processor has. Asking on every call costs a few loads against a
  // scan of the rest of the array, and keeps no state between calls.
  constexpr vector_unit kWidestFirst[] = {vector_unit::avx512f, vector_unit::avx2,
                                          vector_unit::sse4_1, vector_unit::baseline};
  vector_unit const unit = *std::find_if(std::begin(kWidestFirst), std::end(kWidestFirst), can_run);
  return index_of_smallest_with(unit, values, start, count);
}

void swap_values(int& first, int& second) {
  int const kept = first;
  first = second;
  second = kept;
}
