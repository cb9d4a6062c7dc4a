// Asks for a count and that many integers, then prints them sorted, lowest first.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <memory>
#include <new>
#include <string>
#include <tuple>
#include <utility>

#include "number_reader.hpp"
#include "selection_sort.hpp"

// Writes the prompt, then reads count integers into values[0] to values[count - 1], in
// the order typed. Returns false, after writing why to standard error, when the input
// ends or holds something other than an int before the count-th value.
bool fill_array(int* values, int count) {
  std::cout << "Enter " << count << " integers.\n" << std::flush;
  std::string taken;
  for (int position = 0; position < count; ++position) {
    if (!skip_whitespace(std::cin)) {
      std::cerr << "Error: the input ended after " << position << " of " << count << " values.\n";
      return false;
    }
    if (!read_int(std::cin, std::numeric_limits<int>::min(), values[position], taken)) {
      std::cerr << "Error: value " << position + 1 << " of " << count
                << " must be a whole number from -2147483648 to 2147483647, not \""
                << quoted_word(std::cin, taken) << "\".\n";
      return false;
    }
  }
  return true;
}

int main() {
  // Only the C++ streams are used, so they need not keep in step with C's stdio; their
  // own buffers make the output of many numbers cheap.
  std::ios::sync_with_stdio(false);

  std::cout << "This program sorts numbers from lowest to highest.\n";
  std::cout << "How many numbers will be sorted? " << std::flush;

  // A count that could not be read stays -1, and then only the pauses follow.
  int count = -1;
  std::string taken;
  if (!skip_whitespace(std::cin)) {
    std::cerr << "Error: the count must be a whole number from 0 to 2147483647.\n";
  } else if (!read_int(std::cin, 0, count, taken)) {
    std::cerr << "Error: the count must be a whole number from 0 to 2147483647, not \""
              << quoted_word(std::cin, taken) << "\".\n";
  }

  // The most ints that one array may hold. A 32-bit system's new throws, even when asked not
  // to, for an array of more than PTRDIFF_MAX bytes, so a larger count is refused beforehand.
  constexpr std::size_t kMostValues = PTRDIFF_MAX / sizeof(int);
  std::unique_ptr<int[]> values;
  if (count >= 0 && std::cmp_less_equal(count, kMostValues)) {
    values.reset(new (std::nothrow) int[static_cast<std::size_t>(count)]);
  }
  if (count >= 0 && !values) {
    std::cerr << "Error: not enough memory for " << count << " numbers.\n";
  }

  int status = EXIT_FAILURE;
  if (values && fill_array(values.get(), count)) {
    sort(values.get(), count);
    std::cout << "In sorted order the numbers are:\n";
    char text[12];  // "-2147483648 "
    for (int position = 0; position < count; ++position) {
      char* const end = std::to_chars(text, text + sizeof text - 1, values.get()[position]).ptr;
      *end = ' ';
      std::cout.write(text, end + 1 - text);
    }
    std::cout << '\n';
    status = EXIT_SUCCESS;
  }
  std::cout.flush();
  if (status == EXIT_SUCCESS && !std::cout) {
    std::cerr << "Error: the sorted numbers could not be written.\n";
    status = EXIT_FAILURE;
  }

  // Every run, failed or not, ends the same way, so that a console window which closes
  // with the program stays open long enough to be read. What the interpreter returns changes
  // nothing (where there is no "pause", the run goes on), so it is dropped, openly: a
  // fortified C library marks system's result as one not to ignore.
  std::ignore = std::system("pause");
  values.reset();
  std::ignore = std::system("pause");
  return status;
}
