// libFuzzer target: the number reader against the stream's own formatted input of an int, on
// any bytes. A difference in success, value or the character left unread aborts, as does a
// quoted word with anything but printable ASCII in it.
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
  int value = 0;
  std::string taken;
  bool const read = skip_whitespace(in) && read_int(in, INT_MIN, value, taken);
  if (read != expected_read) {
    std::abort();
  }
  if (read && (value != expected || in.eof() != expected_in.eof() ||
               in.rdbuf()->sgetc() != expected_in.rdbuf()->sgetc())) {
    std::abort();
  }

  std::istringstream count_in(input);
  int count = 0;
  if ((skip_whitespace(count_in) && read_int(count_in, 0, count, taken)) !=
      (expected_read && expected >= 0)) {
    std::abort();
  }

  if (!read) {
    std::string const quoted = quoted_word(in, taken);
    for (char const c : quoted) {
      if (c < 0x20 || c > 0x7e) {
        std::abort();
      }
    }
  }
  return 0;
}
