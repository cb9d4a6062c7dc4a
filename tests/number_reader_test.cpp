// Unit tests of the number reader, with the stream's own formatted input of an int as the oracle.
#include "number_reader.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

// What a read finds, and where it stops: at the first character that cannot continue the
// number, or where read_number's contract says a word that is not one ends.
TEST(ReadNumberTest, ReadsUpToTheLimitsAndStopsAfterTheNumber) {
  std::string const zeros(60, '0');
  struct Case {
    char const* name;
    std::string input;
    read_outcome outcome;
    int value;  // for read_outcome::number
    int next;   // the character left unread, or EOF
    int lowest = INT_MIN;
  };
  Case const cases[] = {
      {"every separator", " \t\n\v\f\r-7x", read_outcome::number, -7, 'x'},
      {"a no-break space is not one", "\xa0 7", read_outcome::not_a_number, 0, ' '},
      {"nothing", "", read_outcome::end_of_input, 0, EOF},
      {"only separators", " \r\n", read_outcome::end_of_input, 0, EOF},
      {"the smallest int", "-2147483648", read_outcome::number, INT_MIN, EOF},
      {"one digit past the smallest", "-21474836480", read_outcome::not_a_number, 0, EOF},
      {"the largest int", "+2147483647 ", read_outcome::number, INT_MAX, ' '},
      {"one past the largest", "2147483648", read_outcome::not_a_number, 0, EOF},
      {"more leading zeros than any buffer", "-" + zeros + "42x", read_outcome::number, -42, 'x'},
      {"a word past 2147483648 after the zeros", zeros + "99999999999 x",
       read_outcome::not_a_number, 0, '9'},
      {"a count of minus zero", "-0\n", read_outcome::number, 0, '\n', 0},
      {"a count below 0", "-1", read_outcome::not_a_number, 0, EOF, 0},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream in(c.input);
    number_read const read = read_number(in, c.lowest);
    ASSERT_EQ(read.outcome, c.outcome);
    if (c.outcome == read_outcome::number) {
      EXPECT_EQ(read.value, c.value);
    }
    EXPECT_EQ(in.eof(), c.next == EOF);
    EXPECT_EQ(in.rdbuf()->sgetc(), c.next);
  }
}

// Returns a word as a person or program might type it: whitespace, a sign or two, zeros, 1 to
// 25 digits (often a limit's, one changed, added or dropped), then whitespace, a letter, any
// byte, or the end.
std::string random_input(std::mt19937& engine) {
  auto const pick = [&engine](int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
  };
  std::string const whitespace = " \t\n\v\f\r";
  std::string const signs[] = {"", "", "-", "+", "--", "+-"};
  std::string const limits[] = {"2147483647", "2147483648", "2147483649", "4294967296"};
  std::string input;
  for (int n = pick(3); n > 0; --n) {
    input += whitespace[static_cast<std::size_t>(pick(6))];
  }
  input += signs[pick(6)];
  input.append(static_cast<std::size_t>(pick(3) == 0 ? pick(12) : 0), '0');
  std::string digits;
  if (pick(2) == 0) {
    for (int n = 1 + pick(25); n > 0; --n) {
      digits += static_cast<char>('0' + pick(10));
    }
  } else {
    digits = limits[pick(4)];
    switch (pick(4)) {
      case 0:
        digits[static_cast<std::size_t>(pick(10))] = static_cast<char>('0' + pick(10));
        break;
      case 1:
        digits += static_cast<char>('0' + pick(10));
        break;
      case 2:
        digits.pop_back();
        break;
      default:
        break;
    }
  }
  input += pick(10) == 0 ? "" : digits;
  switch (pick(4)) {
    case 0:
      break;
    case 1:
      input += whitespace[static_cast<std::size_t>(pick(6))] + "7"s;
      break;
    case 2:
      input += static_cast<char>('a' + pick(26));
      break;
    default:
      input += static_cast<char>(pick(256));
      break;
  }
  return input;
}

TEST(ReadNumberTest, AgreesWithTheStreamsFormattedInput) {
  std::mt19937 engine(20261208);
  for (int i = 0; i < 20000; ++i) {
    std::string const input = random_input(engine);
    SCOPED_TRACE(::testing::PrintToString(input));
    std::istringstream expected_in(input);
    int expected = 0;
    bool const expected_read = static_cast<bool>(expected_in >> expected);

    std::istringstream in(input);
    number_read const read = read_number(in, INT_MIN);
    ASSERT_EQ(read.outcome == read_outcome::number, expected_read);
    if (expected_read) {
      ASSERT_EQ(read.value, expected);
      ASSERT_EQ(in.eof(), expected_in.eof());
      ASSERT_EQ(in.rdbuf()->sgetc(), expected_in.rdbuf()->sgetc());
    }
    std::istringstream count_in(input);
    ASSERT_EQ(read_number(count_in, 0).outcome == read_outcome::number,
              expected_read && expected >= 0);
  }
}

// Stands in for a terminal: each request for input gets the next of reads, where "" is an end
// (Ctrl-D), kFails a failed read thrown as libstdc++'s buffer throws it, and kFailsAsAnEnd one
// reported as an end with errno set, as libc++'s does. Past its reads it hands over "9 ", as if
// typed on, then ends for good. Counts the requests after the first end or failure.
class Terminal : public std::streambuf {
 public:
  static constexpr char kFails[] = "(fails)";
  static constexpr char kFailsAsAnEnd[] = "(fails as an end)";

  explicit Terminal(std::vector<std::string> reads) : reads_(std::move(reads)) {
    reads_.insert(reads_.end(), {"9 ", ""});
  }
  [[nodiscard]] int asks_after_end() const { return asks_after_end_; }

 protected:
  int_type underflow() override {
    asks_after_end_ += ended_ ? 1 : 0;
    piece_ = reads_[std::min(next_++, reads_.size() - 1)];
    ended_ = ended_ || piece_.empty() || piece_ == kFails || piece_ == kFailsAsAnEnd;
    if (piece_ == kFails) {
      throw std::ios_base::failure("underflow", std::error_code(EIO, std::generic_category()));
    }
    if (piece_ == kFailsAsAnEnd) {
      errno = EIO;
      piece_.clear();
    }
    if (piece_.empty()) {
      setg(nullptr, nullptr, nullptr);
      return traits_type::eof();
    }
    setg(piece_.data(), piece_.data(), piece_.data() + piece_.size());
    return traits_type::to_int_type(piece_.front());
  }

 private:
  std::vector<std::string> reads_;
  std::size_t next_ = 0;
  std::string piece_;
  bool ended_ = false;
  int asks_after_end_ = 0;
};

// Reads numbers, with errno 0 before each read as the program does, until a read gives none,
// then once more. Returns the numbers, then how those two reads stopped, with an end's errno.
std::string read_until_stopped(std::istream& in) {
  std::string outcome;
  for (int stops = 0; stops < 2;) {
    errno = 0;
    number_read const read = read_number(in, INT_MIN);
    switch (read.outcome) {
      case read_outcome::number:
        outcome += std::to_string(read.value) + ' ';
        continue;
      case read_outcome::end_of_input:
        outcome += "end";
        if (read.stop_errno != 0) {
          outcome += " (" + std::generic_category().message(read.stop_errno) + ")";
        }
        break;
      case read_outcome::read_error:
        outcome += "error (" + read.text + ")";
        break;
      case read_outcome::not_a_number:
        outcome += '"' + read.text + '"';
        break;
    }
    outcome += ++stops < 2 ? ", " : "";
  }
  return outcome;
}

TEST(ReadNumberTest, NeverAsksATerminalAgainOnceItsInputHasEndedOrFailed) {
  std::string const fails = Terminal::kFails;
  std::string const io_error = std::generic_category().message(EIO);
  struct Case {
    char const* name;
    std::vector<std::string> reads;
    std::string outcome;
  };
  Case const cases[] = {
      {"an end at once", {""}, "end, end"},
      {"a count, then an end", {"3", ""}, "3 end, end"},
      {"a line, half a line, an end", {"3\n", "4 5", ""}, "3 4 5 end, end"},
      {"whitespace, then an end", {"3\n", "4 \t", ""}, "3 4 end, end"},
      {"an end, then more typed", {"1 2", "", "3\n", ""}, "1 2 end, end"},
      {"a lone sign, then an end", {"-", ""}, "\"-\", end"},
      {"too many digits, then an end", {"1 9999999999", ""}, "1 \"9999999999\", end"},
      {"a failure at once", {fails}, "error (" + io_error + "), error ()"},
      {"a failure within a number", {"3 4", fails}, "3 error (" + io_error + "), error ()"},
      {"a failure within a word", {"3 x", fails}, "3 error (" + io_error + "), error ()"},
      {"a failure reported as an end",
       {"3 ", Terminal::kFailsAsAnEnd},
       "3 end (" + io_error + "), end"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    Terminal terminal(c.reads);
    std::istream in(&terminal);
    EXPECT_EQ(read_until_stopped(in), c.outcome);
    EXPECT_EQ(terminal.asks_after_end(), 0);
  }
}

// The word quoted runs from where the failed read began to whitespace: at most 20 bytes,
// those outside printable ASCII escaped.
TEST(ReadNumberTest, QuotesTheWordThatIsNotANumber) {
  std::string const sevens(20, '7');
  std::string const zeros(19, '0');
  auto const times20 = [](std::string const& text) {
    std::string repeated;
    for (int i = 0; i < 20; ++i) {
      repeated += text;
    }
    return repeated;
  };
  struct Case {
    char const* name;
    std::string input;
    std::string quoted;
    int lowest = INT_MIN;
  };
  Case const cases[] = {
      {"quote and backslash", "a\"b\\c 2\n", R"(a\"b\\c)"},
      {"control bytes, NUL, DEL", "\x1b[1m\0\x01\x7f\n"s, R"(\x1b[1m\x00\x01\x7f)"},
      {"UTF-8", "\xc3\xa9\n", R"(\xc3\xa9)"},
      {"ends at a space", "ab c", "ab"},
      {"ends at a tab", "ab\tc", "ab"},
      {"ends at a vertical tab", "ab\vc", "ab"},
      {"ends at a form feed", "ab\fc", "ab"},
      {"ends at a carriage return", "ab\rc", "ab"},
      {"a plus sign kept", "+x", "+x"},
      {"a lone minus at the end", "-", "-"},
      {"20 bytes, at the end of the input", sevens, sevens},
      {"21 bytes", sevens + "7\n", sevens + "..."},
      {"20 bytes written as 80", std::string(20, '\x01'), times20(R"(\x01)")},
      {"21 bytes written as 40 and dots", std::string(21, '"'), times20(R"(\")") + "..."},
      {"out of range, then letters", "-0000099999999999z\n", "-0000099999999999z"},
      {"out of range after many zeros", zeros + zeros + "5000000000", zeros + "0..."},
      {"a count below 0, letters after it", "-3abc 1", "-3abc", 0},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream in(c.input);
    number_read const read = read_number(in, c.lowest);
    ASSERT_EQ(read.outcome, read_outcome::not_a_number);
    EXPECT_EQ(read.text, c.quoted);
  }
}

}  // namespace
