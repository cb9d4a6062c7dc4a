// Selection sort: each pass moves the smallest remaining value to the front.
#include "selection_sort.hpp"

void sort(int* values, int count) {
  for (int i = 0; i < count - 1; ++i) {
    int const smallest = index_of_smallest(values, i, count);
    if (smallest != i) {
      swap_values(values[i], values[smallest]);
    }
  }
}

int index_of_smallest(int const* values, int start, int count) {
  int position = start;
  for (int k = start + 1; k < count; ++k) {
    if (values[k] < values[position]) {
      position = k;
    }
  }
  return position;
}

void swap_values(int& first, int& second) {
  int const kept = first;
  first = second;
  second = kept;
}
