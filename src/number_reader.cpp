// Reading ints straight from a stream's buffer, so that a word that is not a number can be
// quoted and reading stops where read_number says.
#include "number_reader.hpp"

#include <cerrno>
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

// Sets eofbit if c is the end, so that the buffer is not asked again.
void note_end(std::istream& in, int c) {
  if (c == kEnd) {
    in.setstate(std::ios::eofbit);
  }
}

// The smallest int's magnitude: past it, a number is out of range whatever its sign.
constexpr std::int64_t kLimit = std::int64_t{1} << 31;

// The bytes of a word that quoting needs, and one more to tell that there were more.
struct word_start {
  char bytes[kQuotedBytes + 1];
  std::size_t length = 0;
};

// read_number without the catch. A word that is not a number comes back unquoted in word:
// quoting allocates, which must happen neither inside the try nor before errno is kept.
number_read read_from(std::istream& in, int lowest, word_start& word) {
  std::streambuf& buffer = *in.rdbuf();
  int c = in.eof() ? kEnd : buffer.sgetc();
  while (is_whitespace(c)) {
    c = buffer.snextc();
  }
  note_end(in, c);
  if (c == kEnd) {
    return {read_outcome::end_of_input, 0, {}};
  }

  auto const take = [&word](int character) {
    if (word.length < sizeof word.bytes) {
      word.bytes[word.length++] = static_cast<char>(character);
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
  for (; word.length < sizeof word.bytes && c != kEnd && !is_whitespace(c); c = buffer.snextc()) {
    take(c);
  }
  note_end(in, c);
  return {read_outcome::not_a_number, 0, {}};
}

}  // namespace

number_read read_number(std::istream& in, int lowest) {
  if (in.bad()) {
    return {read_outcome::read_error, 0, {}};
  }
  // As with >>, a buffer that throws marks the stream bad.
  number_read read;
  word_start word;
  try {
    read = read_from(in, lowest, word);
  } catch (std::system_error const& error) {
    in.setstate(std::ios::badbit);
    // A code of 0 would read "Success".
    return {read_outcome::read_error, 0, error.code() ? error.code().message() : std::string()};
  } catch (...) {
    in.setstate(std::ios::badbit);
    return {read_outcome::read_error, 0, {}};
  }
  read.stop_errno = errno;
  if (read.outcome == read_outcome::not_a_number) {
    read.text = quoted(std::string_view(word.bytes, word.length));
  }
  return read;
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
