// Asks for a count and that many integers, then prints them sorted, lowest first.
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <tuple>

#include "number_reader.hpp"
#include "selection_sort.hpp"
#include "standard_streams.hpp"

namespace {

std::string could_not_read(std::string const& what, std::string const& reason) {
  return "Error: the input could not be read for " + what + (reason.empty() ? "" : ": ") + reason +
         ".\n";
}

// "K of N", naming the value at position in a message.
std::string value_of(int position, int count) {
  return std::to_string(position + 1) + " of " + std::to_string(count);
}

// Reads the count. Returns nothing, after saying why on standard error, if there is none.
std::optional<int> read_count() {
  number_read const read = read_standard_input(0);
  switch (read.outcome) {
    case read_outcome::number:
      return read.value;
    case read_outcome::end_of_input:
      write_error("Error: the input ended before the count.\n");
      break;
    case read_outcome::read_error:
      write_error(could_not_read("the count", read.text));
      break;
    case read_outcome::not_a_number:
      write_error("Error: the count must be a whole number from 0 to 2147483647, not \"" +
                  read.text + "\".\n");
      break;
  }
  return std::nullopt;
}

// Returns an array for count values, or null where it cannot be had, whatever refused it. A
// nothrow new gives null where the free store has no room, under the sanitizers too, whose plain
// new ends the program instead of throwing. A length past the compiler's own bound for new[]
// (GCC's for 32-bit Arm is under PTRDIFF_MAX bytes) throws std::bad_array_new_length even from
// a nothrow new, and is caught as the bad_alloc it is: no bound is guessed here.
std::unique_ptr<int[]> obtain_array(int count) noexcept {
  try {
    return std::unique_ptr<int[]>(new (std::nothrow) int[static_cast<std::size_t>(count)]);
  } catch (std::bad_alloc const&) {
    return nullptr;
  }
}

// Returns an array for count values, or null after saying on standard error there is no room.
std::unique_ptr<int[]> new_array(int count) {
  std::unique_ptr<int[]> values = obtain_array(count);
  if (!values) {
    write_error("Error: not enough memory for " + std::to_string(count) + " numbers.\n");
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
    write_error("Error: the sorted numbers could not be written.\n");
    return false;
  }
  return true;
}

}  // namespace

// Prompts for count ints and reads them, in the order typed, into values[0] to
// values[count - 1]. Returns false, after saying why on standard error, at the first end of
// input, failed read, or word that is not an int.
bool fill_array(int* values, int count) {
  write_prompt("Enter ", count, " integers.\n");
  for (int position = 0; position < count; ++position) {
    number_read const read = read_standard_input(std::numeric_limits<int>::min());
    switch (read.outcome) {
      case read_outcome::number:
        values[position] = read.value;
        continue;
      case read_outcome::end_of_input:
        write_error("Error: the input ended after " + std::to_string(position) + " of " +
                    std::to_string(count) + " values.\n");
        return false;
      case read_outcome::read_error:
        write_error(could_not_read("value " + value_of(position, count), read.text));
        return false;
      case read_outcome::not_a_number:
        write_error("Error: value " + value_of(position, count) +
                    " must be a whole number from -2147483648 to 2147483647, not \"" + read.text +
                    "\".\n");
        return false;
    }
  }
  return true;
}

int main() {
  buffer_standard_streams();
  // No give-back: nothing has been read yet.
  std::cout << "This program sorts numbers from lowest to highest.\n"
            << "How many numbers will be sorted? " << std::flush;

  int count = 0;
  std::unique_ptr<int[]> values;
  bool read_all = false;
  if (std::optional<int> const read = read_count()) {
    count = *read;
    values = new_array(count);
    read_all = values && fill_array(values.get(), count);
  }
  // Reading is over: the list may end the program, with the rest of a file still buffered.
  give_back_unread_input();

  int status = EXIT_FAILURE;
  if (read_all) {
    sort(values.get(), count);
    if (write_sorted(values.get(), count)) {
      status = EXIT_SUCCESS;
    }
  }

  // Every run pauses, failed or not, so that a console window that closes with the program can
  // be read. A missing "pause" changes nothing; a fortified C library warns if system's result
  // is dropped silently.
  std::ignore = std::system("pause");
  values.reset();
  std::ignore = std::system("pause");
  return status;
}
