// Reading whole numbers from a stream's buffer. The stream's formatted input would read the
// same numbers, but it cannot say what the word was that it could not read, and at a terminal
// it asks for more input after an end of input has been typed.
#include "number_reader.hpp"

#include <cstdint>
#include <ios>
#include <streambuf>
#include <system_error>

namespace {

constexpr int kEnd = std::streambuf::traits_type::eof();

// The characters that separate numbers, as in the "C" locale.
bool is_whitespace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Marks the end of the input once the buffer has reported it, so that it is not asked again.
void note_end(std::istream& in, int c) {
  if (c == kEnd) {
    in.setstate(std::ios::eofbit);
  }
}

// The magnitude of the smallest int: a number whose magnitude goes past it is out of range
// whatever its sign, so no more digits are needed to tell.
constexpr std::int64_t kLimit = std::int64_t{1} << 31;

number_read read_from(std::istream& in, int lowest) {
  std::streambuf& buffer = *in.rdbuf();
  int c = in.eof() ? kEnd : buffer.sgetc();
  while (is_whitespace(c)) {
    c = buffer.snextc();
  }
  note_end(in, c);
  if (c == kEnd) {
    return {read_outcome::end_of_input, 0, {}};
  }

  // The word as it was read, as far as a message quotes it; one byte more tells that it
  // was longer.
  char taken[kQuotedBytes + 1];
  std::size_t length = 0;
  auto const take = [&](int character) {
    if (length < sizeof taken) {
      taken[length++] = static_cast<char>(character);
    }
  };

  int const sign = c;
  if (c == '-' || c == '+') {
    take(c);
    c = buffer.snextc();
  }
  bool digits = false;
  std::int64_t magnitude = 0;
  for (; c >= '0' && c <= '9' && magnitude <= kLimit; c = buffer.snextc()) {
    take(c);
    magnitude = magnitude * 10 + (c - '0');
    digits = true;
  }
  std::int64_t const value = sign == '-' ? -magnitude : magnitude;
  if (digits && value >= lowest && value < kLimit) {
    note_end(in, c);
    return {read_outcome::number, static_cast<int>(value), {}};
  }
  for (; length < sizeof taken && c != kEnd && !is_whitespace(c); c = buffer.snextc()) {
    take(c);
  }
  note_end(in, c);
  return {read_outcome::not_a_number, 0, quoted(std::string_view(taken, length))};
}

}  // namespace

number_read read_number(std::istream& in, int lowest) {
  if (in.bad()) {
    return {read_outcome::read_error, 0, {}};
  }
  // As the stream's own formatted input does, a failure of its buffer marks the stream bad
  // rather than leaving through the caller.
  try {
    return read_from(in, lowest);
  } catch (std::system_error const& error) {
    in.setstate(std::ios::badbit);
    return {read_outcome::read_error, 0, error.code().message()};
  } catch (...) {
    in.setstate(std::ios::badbit);
    return {read_outcome::read_error, 0, {}};
  }
}

std::string quoted(std::string_view word) {
  std::string text;
  for (char const character : word.substr(0, kQuotedBytes)) {
    auto const byte = static_cast<unsigned char>(character);
    if (byte == '"' || byte == '\\') {
      text += '\\';
      text += character;
    } else if (byte >= 0x20 && byte <= 0x7e) {
      text += character;
    } else {
      constexpr char kHex[] = "0123456789abcdef";
      text += "\\x";
      text += kHex[byte / 16];
      text += kHex[byte % 16];
    }
  }
  if (word.size() > kQuotedBytes) {
    text += "...";
  }
  return text;
}
