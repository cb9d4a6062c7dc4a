// The standard streams: numbers read, prompts and errors written, a file's rest given back.
#ifndef SRC_STANDARD_STREAMS_HPP_
#define SRC_STANDARD_STREAMS_HPP_

#include <string_view>

#include "number_reader.hpp"

// Gives the C++ standard streams buffers apart from C's stdio. Call it before the others.
void buffer_standard_streams();

// read_number on standard input. A failed read is a read_error, with the system's reason if
// any, even where the standard library reports it as the end.
[[nodiscard]] number_read read_standard_input(int lowest);

// Where standard input is a regular file, sets its offset just after the last character used
// and empties the buffers above it, so that the next reader, or this one, goes on from there.
// Does nothing for a pipe or terminal, on Windows (a text stream's position counts the CRs that
// reading drops), or with libc++ outside Linux. If the seek fails, the buffers are kept.
void give_back_unread_input();

// Gives back the rest of standard input, then writes before, number in decimal and after to
// standard output, and flushes it.
void write_prompt(std::string_view before, int number, std::string_view after);

// Gives back the rest of standard input, then writes line to standard error in one piece.
void write_error(std::string_view line);

#endif  // SRC_STANDARD_STREAMS_HPP_
