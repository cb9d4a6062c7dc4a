// Selection sort: each pass moves the smallest remaining value to the front.
#include "selection_sort.hpp"

#include "smallest_search.hpp"

void sort(int* values, int count) {
  // i + 1 < count rather than i < count - 1, which overflows for the lowest counts.
  for (int i = 0; i + 1 < count; ++i) {
    int const smallest = index_of_smallest(values, i, count);
    if (smallest != i) {
      swap_values(values[i], values[smallest]);
    }
  }
}

int index_of_smallest(int const* values, int start, int count) {
  return index_of_smallest_with(unit_in_use(), values, start, count);
}

void swap_values(int& first, int& second) {
  int const kept = first;
  first = second;
  second = kept;
}
