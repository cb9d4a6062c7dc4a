// The standard streams: numbers read, prompts and errors written, a file's rest given back.
#ifndef SRC_STANDARD_STREAMS_HPP_
#define SRC_STANDARD_STREAMS_HPP_

#include <string_view>

#include "number_reader.hpp"

// Unties the C++ standard streams from C's stdio, which lets libstdc++ give them buffers of
// their own; libc++'s read and write through stdio whatever is asked. Call it before the others.
void buffer_standard_streams();

// read_number on standard input. A failed read is a read_error, with the system's reason if
// any, even where the standard library reports it as the end.
[[nodiscard]] number_read read_standard_input(int lowest);

// Reading is over. Where standard input is a regular file whose size reaches the place where
// reading stopped, sets its offset there and empties the buffers above it, so that the next
// reader goes on from there. Otherwise (a pipe, a terminal, a file that the system makes as it
// is read, such as /proc's, or a failed seek) leaves what the buffers hold unread, as from a
// pipe, and nothing moves the offset afterwards, not even the C library's exit. Does nothing on
// Windows (a text stream's position counts the CRs that reading drops), or with libc++ outside
// Linux.
void give_back_unread_input();

// Gives back the rest of standard input as give_back_unread_input does, but where it cannot,
// keeps the buffers to read on from; then writes before, number in decimal and after to
// standard output, and flushes it.
void write_prompt(std::string_view before, int number, std::string_view after);

// Gives back the rest of standard input as write_prompt does, then writes line to standard
// error in one piece.
void write_error(std::string_view line);

#endif  // SRC_STANDARD_STREAMS_HPP_
