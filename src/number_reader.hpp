// Reading whole numbers from a stream as its formatted input of an int reads them in the
// "C" locale, telling apart the end of the input, a read that failed, and a word that is not
// a number, which comes back quoted for an error message.
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
  // For not_a_number, the word, already quoted (see quoted); for read_error, the system's
  // reason ("Is a directory"), or empty where there is none.
  std::string text;
  // errno as the stream buffer left it when this read stopped, before anything else could
  // change it. A buffer that reports a failed read as the end of the input (libc++'s, which
  // reads through C's stdio and leaves the error in the FILE) leaves the reason here.
  int stop_errno = 0;
};

// Skips whitespace (' ', '\t', '\n', '\v', '\f', '\r'), then reads an optional sign and
// decimal digits: a number from lowest to the largest int, leaving the character after it
// unread. A word that is not one is read on to the next whitespace or the end of the input,
// but no further than the kQuotedBytes + 1 bytes that quoting it needs; its digits, though,
// are read as a number's are, even past those bytes: every leading zero, then digits until
// the magnitude passes 2147483648, which takes at most eleven.
//
// It works on in's stream buffer directly, a character at a time, and so takes over the
// duties of the stream's own formatted input. When the buffer reports the end, it sets in's
// eofbit, and once that is set it never asks the buffer again: a terminal would wait for more
// typing after an end of input (Ctrl-D, or Ctrl-Z and Enter on Windows) instead of reporting
// it a second time. What the buffer throws (libstdc++'s throws when reading fails) it catches,
// sets in's badbit, and reports as a read_error, as it does for every read after that.
// Anything else that is thrown, while quoting the word say, leaves through the caller.
//
// It does not flush the stream tied to in, as formatted input would: a prompt for the number
// must be flushed by whoever wrote it.
[[nodiscard]] number_read read_number(std::istream& in, int lowest);

// An error message quotes at most this many bytes of a word.
inline constexpr std::size_t kQuotedBytes = 20;

// Returns word as it can stand between double quotes in a message: its first kQuotedBytes
// bytes, with "..." after them if there are more, '"' and '\\' with a backslash before them,
// and every byte that is not printable ASCII written as \xNN with lower-case hex digits.
[[nodiscard]] std::string quoted(std::string_view word);

#endif  // SRC_NUMBER_READER_HPP_
