// Asks for a count and that many integers, then prints them sorted, lowest first.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <new>
#include <streambuf>
#include <string>
#include <utility>

#include "selection_sort.hpp"

// Numbers are read straight from the stream buffer of standard input, a character at a
// time, as the C++ streams read an int in the "C" locale: leading whitespace skipped,
// then an optional sign and decimal digits. Going around the locale machinery, here and
// in the output, halves the time it takes to read and write 50,000 numbers.

// Skips whitespace. Returns false if the input ends first.
bool skip_whitespace(std::streambuf& in) {
  for (int c = in.sgetc();; c = in.snextc()) {
    switch (c) {
      case ' ':
      case '\t':
      case '\n':
      case '\v':
      case '\f':
      case '\r':
        break;
      default:
        return c != std::streambuf::traits_type::eof();
    }
  }
}

// Reads an optional sign and decimal digits into value, leaving the character after them
// unread. Returns false if there are no digits or the number is outside the int range.
bool read_int(std::streambuf& in, int& value) {
  int c = in.sgetc();
  bool const negative = c == '-';
  if (c == '-' || c == '+') {
    c = in.snextc();
  }
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;  // magnitude of the smallest int
  std::int64_t magnitude = 0;
  bool any_digit = false;
  for (; c >= '0' && c <= '9'; c = in.snextc()) {
    any_digit = true;
    magnitude = std::min(magnitude * 10 + (c - '0'), kLimit + 1);
  }
  std::int64_t const signed_value = negative ? -magnitude : magnitude;
  if (!any_digit || signed_value < -kLimit || signed_value >= kLimit) {
    return false;
  }
  value = static_cast<int>(signed_value);
  return true;
}

// Writes the prompt, then reads count integers into values[0] to values[count - 1], in
// the order typed. Returns false, after writing why to standard error, when the input
// ends or holds something other than an int before the count-th value.
bool fill_array(int* values, int count) {
  std::cout << "Enter " << count << " integers.\n" << std::flush;
  std::streambuf& in = *std::cin.rdbuf();
  for (int position = 0; position < count; ++position) {
    if (!skip_whitespace(in)) {
      std::cerr << "Error: the input ended after " << position << " of " << count << " values.\n";
      return false;
    }
    if (!read_int(in, values[position])) {
      std::cerr << "Error: value " << position + 1 << " of " << count
                << " is not a whole number from -2147483648 to 2147483647.\n";
      return false;
    }
  }
  return true;
}

int main() {
  // Only the C++ streams are used, so they need not keep in step with C's stdio; their
  // own buffers make the output of many numbers cheap.
  std::ios::sync_with_stdio(false);

  std::cout << "This program sorts numbers from lowest to highest.\n"
            << "How many numbers will be sorted? " << std::flush;
  std::streambuf& in = *std::cin.rdbuf();
  int count = 0;
  std::unique_ptr<int[]> values;
  int status = EXIT_FAILURE;
  // The most ints that one array may hold. A 32-bit system's new throws, even when asked not
  // to, for an array of more than PTRDIFF_MAX bytes, so a larger count is refused beforehand.
  constexpr std::size_t kMostValues = PTRDIFF_MAX / sizeof(int);
  if (!skip_whitespace(in) || !read_int(in, count) || count < 0) {
    std::cerr << "Error: the count must be a whole number from 0 to 2147483647.\n";
  } else if (values.reset(std::cmp_less_equal(count, kMostValues)
                              ? new (std::nothrow) int[static_cast<std::size_t>(count)]
                              : nullptr);
             !values) {
    std::cerr << "Error: not enough memory for " << count << " numbers.\n";
  } else if (fill_array(values.get(), count)) {
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
  // with the program stays open long enough to be read.
  std::system("pause");
  values.reset();
  std::system("pause");
  return status;
}
