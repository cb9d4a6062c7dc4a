// Selection sort of an int array, in place, lowest value first.
#ifndef SRC_SELECTION_SORT_HPP_
#define SRC_SELECTION_SORT_HPP_

// Puts values[0] to values[count - 1] into ascending order. Makes count - 1 passes
// (none for a count below 2); pass i exchanges at most one pair, and never an element
// with itself. Uses no memory beyond the array.
void sort(int* values, int count);

// Returns the position of the smallest of values[start] to values[count - 1]; when the
// smallest value occurs more than once, the earliest of its positions. Requires
// 0 <= start < count, and reads no element outside that range.
[[nodiscard]] int index_of_smallest(int const* values, int start, int count);

// Exchanges the values of first and second.
void swap_values(int& first, int& second);

#endif  // SRC_SELECTION_SORT_HPP_
