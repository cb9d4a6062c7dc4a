// Asks for a count and that many integers, then prints them sorted, lowest first.
#include <cstddef>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <new>
#include <string>

#include "selection_sort.hpp"

// Writes the prompt, then reads count integers into values[0] to values[count - 1], in
// the order typed. Returns false, after writing why to standard error, when the input
// ends or holds something other than an int before the count-th value.
bool fill_array(int* values, int count) {
  std::cout << "Enter " << count << " integers.\n";
  for (int position = 0; position < count; ++position) {
    // Skipping the whitespace first tells an input that has run out from a bad value.
    if ((std::cin >> std::ws).peek() == std::char_traits<char>::eof()) {
      std::cerr << "Error: the input ended after " << position << " of " << count
                << " values.\n";
      return false;
    }
    if (!(std::cin >> values[position])) {
      std::cerr << "Error: value " << position + 1 << " of " << count
                << " is not a whole number from -2147483648 to 2147483647.\n";
      return false;
    }
  }
  return true;
}

int main() {
  // The program uses only the C++ streams, so they need not keep in step with C's stdio.
  // Standard input stays tied to standard output, which flushes each prompt before a read.
  std::ios::sync_with_stdio(false);

  std::cout << "This program sorts numbers from lowest to highest.\n"
            << "How many numbers will be sorted? ";
  int count = 0;
  std::unique_ptr<int[]> values;
  int status = EXIT_FAILURE;
  if (!(std::cin >> count) || count < 0) {
    std::cerr << "Error: the count must be a whole number from 0 to 2147483647.\n";
  } else if (values.reset(new (std::nothrow) int[static_cast<std::size_t>(count)]); !values) {
    std::cerr << "Error: not enough memory for " << count << " numbers.\n";
  } else if (fill_array(values.get(), count)) {
    sort(values.get(), count);
    std::cout << "In sorted order the numbers are:\n";
    for (int position = 0; position < count; ++position) {
      std::cout << values.get()[position] << ' ';
    }
    std::cout << '\n';
    status = EXIT_SUCCESS;
  }

  // Every run, failed or not, ends the same way, so that a console window which closes
  // with the program stays open long enough to be read.
  std::cout.flush();
  std::system("pause");
  values.reset();
  std::system("pause");
  return status;
}
