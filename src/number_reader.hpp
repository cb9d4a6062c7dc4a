// Reading ints from a stream as its >> does in the "C" locale, and quoting a word that is not one.
#ifndef SRC_NUMBER_READER_HPP_
#define SRC_NUMBER_READER_HPP_

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

// What one read_number found.
enum class read_outcome : unsigned char {
  number,        // a number in range
  end_of_input,  // the input ended, or had ended, before a word began
  read_error,    // the stream buffer failed to read
  not_a_number,  // a word that is not a number in range
};

struct number_read {
  read_outcome outcome = read_outcome::end_of_input;
  int value = 0;  // the number, for read_outcome::number
  // For not_a_number, the word, quoted (see quoted); for read_error, the system's reason
  // ("Is a directory"), or empty.
  std::string text;
  // errno as the buffer left it when the read stopped: the reason for a failed read that the
  // buffer reports as the end (libc++'s does).
  int stop_errno = 0;
};

// Skips whitespace (' ', '\t', '\n', '\v', '\f', '\r'), then reads an optional sign and
// decimal digits: a number from lowest to the largest int, leaving the next character unread.
// A word that is not one is read to whitespace or the end, but at most kQuotedBytes + 1 bytes;
// its digits, though, are read as a number's even past those: every leading zero, then digits
// until the magnitude passes 2147483648 (eleven at most).
//
// Sets in's eofbit when the buffer reports the end, and once it is set never asks the buffer
// again, as >> does: at a terminal, libstdc++'s buffer would wait for more typing. Catches what
// the buffer throws (libstdc++'s does on a failed read), sets badbit, and returns read_error,
// then and ever after. What quoting throws reaches the caller. Unlike >>, does not flush the
// stream tied to in.
[[nodiscard]] number_read read_number(std::istream& in, int lowest);

// An error message quotes at most this many bytes of a word.
inline constexpr std::size_t kQuotedBytes = 20;

// Returns word fit to stand between double quotes: its first kQuotedBytes bytes, then "..." if
// there are more; '"' and '\\' after a backslash, other bytes outside printable ASCII as \xNN
// (lower-case hex).
[[nodiscard]] std::string quoted(std::string_view word);

#endif  // SRC_NUMBER_READER_HPP_
