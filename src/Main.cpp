// Asks for a count and that many integers, then prints them sorted, lowest first.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <memory>
#include <new>
#include <streambuf>
#include <string>
#include <tuple>
#include <utility>

#include "selection_sort.hpp"

// Numbers are read straight from the stream buffer of standard input, a character at a
// time, as the C++ streams read an int in the "C" locale: leading whitespace skipped,
// then an optional sign and decimal digits. Going around the locale machinery, here and
// in the output, halves the time it takes to read and write 50,000 numbers.

// The characters that separate numbers, as in the "C" locale.
bool is_whitespace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Skips whitespace. Returns false if the input ends first.
bool skip_whitespace(std::streambuf& in) {
  int c = in.sgetc();
  while (is_whitespace(c)) {
    c = in.snextc();
  }
  return c != std::streambuf::traits_type::eof();
}

// An error message quotes at most this many bytes of the word it could not read.
constexpr std::size_t kQuotedBytes = 20;

// Reads an optional sign and decimal digits into value, leaving the character after them
// unread. Returns false if there are no digits or the number is below lowest or above the
// int range. A failed read stops after the digit that takes the number out of range, and
// leaves in taken what it took (with at most kQuotedBytes + 1 leading zeros).
bool read_int(std::streambuf& in, int lowest, int& value, std::string& taken) {
  int c = in.sgetc();
  int const sign = c;
  if (c == '-' || c == '+') {
    c = in.snextc();
  }
  // Leading zeros are counted apart, so that what a failed read took can be written again
  // from the sign, their number and the magnitude: valid input keeps no copy of its text.
  std::size_t zeros = 0;
  for (; c == '0'; c = in.snextc()) {
    zeros = std::min(zeros + 1, kQuotedBytes + 1);
  }
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;  // magnitude of the smallest int
  std::int64_t magnitude = 0;
  for (; c >= '0' && c <= '9' && magnitude <= kLimit; c = in.snextc()) {
    magnitude = magnitude * 10 + (c - '0');
  }
  std::int64_t const signed_value = sign == '-' ? -magnitude : magnitude;
  if ((zeros > 0 || magnitude > 0) && signed_value >= lowest && signed_value < kLimit) {
    value = static_cast<int>(signed_value);
    return true;
  }
  taken.clear();
  if (sign == '-' || sign == '+') {
    taken += static_cast<char>(sign);
  }
  taken.append(zeros, '0');
  if (magnitude > 0) {
    taken += std::to_string(magnitude);
  }
  return false;
}

// Returns the word that a failed read which took taken began, for an error message: taken and
// then the input up to the next whitespace or its end, cut to its first kQuotedBytes bytes
// with "..." after them if there are more, and escaped so that it can sit between double
// quotes and no control character reaches the screen.
std::string quoted_word(std::streambuf& in, std::string word) {
  for (int c = in.sgetc();
       word.size() <= kQuotedBytes && c != std::streambuf::traits_type::eof() && !is_whitespace(c);
       c = in.snextc()) {
    word.push_back(static_cast<char>(c));
  }
  std::string quoted;
  for (std::size_t i = 0; i < std::min(word.size(), kQuotedBytes); ++i) {
    auto const byte = static_cast<unsigned char>(word[i]);
    if (byte == '"' || byte == '\\') {
      quoted += '\\';
      quoted += static_cast<char>(byte);
    } else if (byte >= 0x20 && byte <= 0x7e) {
      quoted += static_cast<char>(byte);
    } else {
      constexpr char kHex[] = "0123456789abcdef";
      quoted += "\\x";
      quoted += kHex[byte / 16];
      quoted += kHex[byte % 16];
    }
  }
  if (word.size() > kQuotedBytes) {
    quoted += "...";
  }
  return quoted;
}

// Writes the prompt, then reads count integers into values[0] to values[count - 1], in
// the order typed. Returns false, after writing why to standard error, when the input
// ends or holds something other than an int before the count-th value.
bool fill_array(int* values, int count) {
  std::cout << "Enter " << count << " integers.\n" << std::flush;
  std::streambuf& in = *std::cin.rdbuf();
  std::string taken;
  for (int position = 0; position < count; ++position) {
    if (!skip_whitespace(in)) {
      std::cerr << "Error: the input ended after " << position << " of " << count << " values.\n";
      return false;
    }
    if (!read_int(in, std::numeric_limits<int>::min(), values[position], taken)) {
      std::cerr << "Error: value " << position + 1 << " of " << count
                << " must be a whole number from -2147483648 to 2147483647, not \""
                << quoted_word(in, taken) << "\".\n";
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
  std::string taken;
  std::unique_ptr<int[]> values;
  int status = EXIT_FAILURE;
  // The most ints that one array may hold. A 32-bit system's new throws, even when asked not
  // to, for an array of more than PTRDIFF_MAX bytes, so a larger count is refused beforehand.
  constexpr std::size_t kMostValues = PTRDIFF_MAX / sizeof(int);
  if (!skip_whitespace(in)) {
    std::cerr << "Error: the count must be a whole number from 0 to 2147483647.\n";
  } else if (!read_int(in, 0, count, taken)) {
    std::cerr << "Error: the count must be a whole number from 0 to 2147483647, not \""
              << quoted_word(in, taken) << "\".\n";
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
  // with the program stays open long enough to be read. What the interpreter returns changes
  // nothing (where there is no "pause", the run goes on), so it is dropped, openly: a
  // fortified C library marks system's result as one not to ignore.
  std::ignore = std::system("pause");
  values.reset();
  std::ignore = std::system("pause");
  return status;
}
