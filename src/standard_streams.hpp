// The process's standard streams: numbers read from standard input, prompts and error lines
// written, and the rest of a file on standard input given back before each write.
#ifndef SRC_STANDARD_STREAMS_HPP_
#define SRC_STANDARD_STREAMS_HPP_

#include <string_view>

#include "number_reader.hpp"

// Gives the C++ standard streams buffers of their own, apart from C's stdio. Called first:
// the other functions here expect it.
void buffer_standard_streams();

// read_number on standard input, with lowest the smallest number taken. A read that fails is
// a read_error on every standard library, with the system's reason where there is one, even
// where the library reports it as the end of the input.
[[nodiscard]] number_read read_standard_input(int lowest);

// Where standard input is a regular file, leaves the rest of it to whoever reads it next:
// sets the file's offset just after the last character used and empties the buffers above
// it, so that reading, if it goes on, goes on from there. Does nothing for a pipe or a
// terminal, on Windows (where a text stream's position counts the carriage returns that
// reading drops), nor with libc++ outside Linux. Where the offset cannot be set, the buffers
// are kept, and reading goes on from them as from a pipe.
void give_back_unread_input();

// Gives back the rest of standard input, then writes text to standard output and flushes it.
void write_prompt(std::string_view text);

// write_prompt of before, then number in decimal, then after.
void write_prompt(std::string_view before, int number, std::string_view after);

// Gives back the rest of standard input, then writes line to standard error in one piece, so
// that it is never seen half written.
void write_error(std::string_view line);

#endif  // SRC_STANDARD_STREAMS_HPP_
