// libFuzzer target: the number reader against a stream's >> into an int; quoted words printable.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "number_reader.hpp"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string const input(reinterpret_cast<char const*>(data), size);
  std::istringstream expected_in(input);
  int expected = 0;
  bool const expected_read = static_cast<bool>(expected_in >> expected);

  std::istringstream in(input);
  number_read const read = read_number(in, INT_MIN);
  bool const read_one = read.outcome == read_outcome::number;
  if (read_one != expected_read) {
    std::abort();
  }
  if (read_one && (read.value != expected || in.eof() != expected_in.eof() ||
                   in.rdbuf()->sgetc() != expected_in.rdbuf()->sgetc())) {
    std::abort();
  }

  std::istringstream count_in(input);
  if ((read_number(count_in, 0).outcome == read_outcome::number) !=
      (expected_read && expected >= 0)) {
    std::abort();
  }

  for (char const c : read.text) {
    if (c < 0x20 || c > 0x7e) {
      std::abort();
    }
  }
  return 0;
}
