// Asks for a count and that many integers, then prints them sorted, lowest first.
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>

#include "number_reader.hpp"
#include "selection_sort.hpp"

// Giving back the rest of a file takes POSIX's file offsets; Windows is left alone (see
// leave_unread_input).
#if defined(__unix__) || defined(__APPLE__)
#include <sys/types.h>
#include <unistd.h>
#define SORT_NUMBERS_POSIX 1
#endif

namespace {

#if defined(SORT_NUMBERS_POSIX)
static_assert(sizeof(off_t) >= sizeof(std::int64_t), "a file's offset may not fit in off_t");

// The offset in a seekable standard input (a file) just after the last character used, or
// -1 for a pipe or a terminal; the stream's buffer reads ahead of it. libstdc++'s buffer
// tells its position without moving. libc++'s cannot tell it, but reads through C's stdio a
// character at a time, so there the FILE's position is the stream's.
off_t used_input_offset() {
  std::streampos const position = std::cin.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
  return position != std::streampos(-1) ? static_cast<off_t>(std::streamoff(position))
                                        : ::ftello(stdin);
}
#endif

// Leaves the rest of a seekable standard input (a file) to whoever reads it next, from just
// after the last character that was used. A pipe or a terminal cannot be given back what was
// read from it. On Windows, a position in a text stream counts the carriage returns that
// reading drops, so it is left alone there. Called once reading is over, before anything is
// written that could end the process (SIGPIPE, SIGXFSZ) with the rest still held in a buffer.
void leave_unread_input() {
#if defined(SORT_NUMBERS_POSIX)
  off_t const used = used_input_offset();
  if (used == -1 || std::cin.rdbuf()->pubseekpos(used, std::ios::in) != std::streampos(-1)) {
    return;
  }
  // libc++'s buffer cannot seek. C's stdio, below it, would give back what its own buffer
  // holds at exit, by moving the offset back from wherever it is then (glibc and musl do);
  // fflush empties that buffer first (POSIX has it set the offset too; C leaves fflush of an
  // input stream undefined, and the C library of macOS and the BSDs does nothing).
  // cppcheck-suppress fflushOnInputStream
  std::fflush(stdin);
  ::lseek(STDIN_FILENO, used, SEEK_SET);
#endif
}

// Writes a message to standard error in one piece, so that it is never seen half written
// while the program waits for more input. A message ends reading: the rest of a file is
// given back first, as the write may end the process.
void report(std::string const& message) {
  leave_unread_input();
  std::cerr << message << std::flush;
}

// Writes a prompt and flushes it while reading goes on. For the length of the write, a
// seekable standard input's offset stands just after the last character used, so that if
// the write ends the process the rest of the file is left to whoever reads it next; then it
// goes back to where the stream's buffer expects it, so that nothing is read twice or skipped.
void prompt(std::string const& text) {
#if defined(SORT_NUMBERS_POSIX)
  off_t const used = used_input_offset();
  off_t const expected = used == -1 ? -1 : ::lseek(STDIN_FILENO, 0, SEEK_CUR);
  bool const moved =
      expected != -1 && expected != used && ::lseek(STDIN_FILENO, used, SEEK_SET) != -1;
#endif
  std::cout << text << std::flush;
#if defined(SORT_NUMBERS_POSIX)
  if (moved) {
    ::lseek(STDIN_FILENO, expected, SEEK_SET);
  }
#endif
}

std::string could_not_read(std::string const& what, std::string const& reason) {
  return "Error: the input could not be read for " + what + (reason.empty() ? "" : ": ") + reason +
         ".\n";
}

// "K of N", naming the value at position in a message.
std::string value_of(int position, int count) {
  return std::to_string(position + 1) + " of " + std::to_string(count);
}

// read_number on standard input. libstdc++'s buffer throws when a read fails, which
// read_number reports. libc++'s reads through C's stdio, which reports a failed read as the
// end of the input and keeps the error in the FILE, where it is looked for after every read:
// a read that fails inside a number or a word, or right after it, ends it as the end of the
// input would, and what came before must not count as a whole number.
number_read read_standard_input(int lowest) {
  errno = 0;
  number_read read = read_number(std::cin, lowest);
  if (read.outcome != read_outcome::read_error && std::ferror(stdin) != 0) {
    // An errno of 0 gives no reason, rather than "Success".
    read = {read_outcome::read_error, 0,
            read.stop_errno != 0 ? std::generic_category().message(read.stop_errno) : ""};
  }
  return read;
}

// Reads the count. Returns nothing, after saying why on standard error, if there is none.
std::optional<int> read_count() {
  number_read const read = read_standard_input(0);
  switch (read.outcome) {
    case read_outcome::number:
      return read.value;
    case read_outcome::end_of_input:
      report("Error: the input ended before the count.\n");
      break;
    case read_outcome::read_error:
      report(could_not_read("the count", read.text));
      break;
    case read_outcome::not_a_number:
      report("Error: the count must be a whole number from 0 to 2147483647, not \"" + read.text +
             "\".\n");
      break;
  }
  return std::nullopt;
}

// An array for count values, or null after saying on standard error that there is no room.
std::unique_ptr<int[]> new_array(int count) {
  // GCC's code for new[] throws std::bad_array_new_length, even for the nothrow form, for an
  // array of more than PTRDIFF_MAX bytes, which a 32-bit system can be asked for; such a count
  // is refused beforehand.
  constexpr std::size_t kMostValues = PTRDIFF_MAX / sizeof(int);
  std::unique_ptr<int[]> values;
  if (std::cmp_less_equal(count, kMostValues)) {
    values.reset(new (std::nothrow) int[static_cast<std::size_t>(count)]);
  }
  if (!values) {
    report("Error: not enough memory for " + std::to_string(count) + " numbers.\n");
  }
  return values;
}

// Writes the heading and the values on one line, each followed by a space, then flushes.
// Returns false, after saying so on standard error, if standard output did not take it all.
bool write_sorted(int const* values, int count) {
  std::cout << "In sorted order the numbers are:\n";
  char text[12];  // "-2147483648 "
  for (int position = 0; position < count; ++position) {
    char* const end = std::to_chars(text, text + sizeof text - 1, values[position]).ptr;
    *end = ' ';
    std::cout.write(text, end + 1 - text);
  }
  std::cout << '\n' << std::flush;
  if (!std::cout) {
    report("Error: the sorted numbers could not be written.\n");
    return false;
  }
  return true;
}

}  // namespace

// Writes the prompt, then reads count integers into values[0] to values[count - 1], in
// the order typed. Returns false, after writing why to standard error, when the input
// ends, cannot be read, or holds something other than an int before the count-th value.
bool fill_array(int* values, int count) {
  prompt("Enter " + std::to_string(count) + " integers.\n");
  for (int position = 0; position < count; ++position) {
    number_read const read = read_standard_input(std::numeric_limits<int>::min());
    switch (read.outcome) {
      case read_outcome::number:
        values[position] = read.value;
        continue;
      case read_outcome::end_of_input:
        report("Error: the input ended after " + std::to_string(position) + " of " +
               std::to_string(count) + " values.\n");
        return false;
      case read_outcome::read_error:
        report(could_not_read("value " + value_of(position, count), read.text));
        return false;
      case read_outcome::not_a_number:
        report("Error: value " + value_of(position, count) +
               " must be a whole number from -2147483648 to 2147483647, not \"" + read.text +
               "\".\n");
        return false;
    }
  }
  return true;
}

int main() {
  // The C++ streams need not keep in step with C's stdio: the program reads and writes its
  // text through the streams alone, and only asks stdin's FILE about its state and position
  // (see read_standard_input and leave_unread_input). Their own buffers make the output of
  // many numbers cheap. (libc++'s streams go through C's stdio all the same.)
  std::ios::sync_with_stdio(false);

  std::cout << "This program sorts numbers from lowest to highest.\n";
  std::cout << "How many numbers will be sorted? " << std::flush;

  int count = 0;
  std::unique_ptr<int[]> values;
  bool read_all = false;
  if (std::optional<int> const read = read_count()) {
    count = *read;
    values = new_array(count);
    read_all = values && fill_array(values.get(), count);
  }
  leave_unread_input();

  int status = EXIT_FAILURE;
  if (read_all) {
    sort(values.get(), count);
    if (write_sorted(values.get(), count)) {
      status = EXIT_SUCCESS;
    }
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
