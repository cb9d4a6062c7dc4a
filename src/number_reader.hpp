// Reading whole numbers from a stream as its formatted input of an int reads them in the
// "C" locale, and quoting the word that could not be read.
#ifndef SRC_NUMBER_READER_HPP_
#define SRC_NUMBER_READER_HPP_

#include <cstddef>
#include <istream>
#include <string>

// Each function works on in's stream buffer directly, a character at a time, and sets in's
// eofbit when the buffer reports the end of the input. Once eofbit is set, none of them asks
// the buffer for anything again: a terminal would wait for more typing after an end of
// input (Ctrl-D, or Ctrl-Z and Enter on Windows) instead of reporting it a second time.

// Skips whitespace (' ', '\t', '\n', '\v', '\f', '\r'). Returns false if the input ends
// first, or has already ended; otherwise the next character is not whitespace.
[[nodiscard]] bool skip_whitespace(std::istream& in);

// Reads an optional sign and decimal digits into value, leaving the character after them
// unread. Returns false, and leaves value as it was, if there are no digits or the number
// is below lowest or above the int range. A failed read stops after the digit that takes
// the number out of range, and leaves in taken what it took, with at most
// kQuotedBytes + 1 leading zeros kept.
[[nodiscard]] bool read_int(std::istream& in, int lowest, int& value, std::string& taken);

// An error message quotes at most this many bytes of the word it could not read.
inline constexpr std::size_t kQuotedBytes = 20;

// Returns the word that a failed read_int began, for an error message, given in word what
// that read took: word, then the input up to the next whitespace or the end, cut to its
// first kQuotedBytes bytes with "..." after them if there are more, and escaped so that it
// can sit between double quotes: '"' and '\\' get a backslash, and every byte that is not
// printable ASCII is written as \xNN with lower-case hex digits. Stops reading once the
// word has kQuotedBytes + 1 bytes.
[[nodiscard]] std::string quoted_word(std::istream& in, std::string word);

#endif  // SRC_NUMBER_READER_HPP_
