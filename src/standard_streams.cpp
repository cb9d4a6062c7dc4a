// The standard streams, by the means of the system and the standard library at hand.
#include "standard_streams.hpp"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ios>
#include <iostream>
#include <system_error>

// A file's rest goes back through its POSIX offset. libstdc++'s cin reads the descriptor and can
// seek. libc++'s reads C's stdin a character at a time, so the FILE's position is the stream's,
// and POSIX has fflush of an input FILE set the offset there and empty its buffer, as glibc and
// musl do. The C library of macOS and the BSDs ignores that and keeps its own offset, which no
// outside seek can mend: there the file is left alone.
#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#if defined(__GLIBCXX__)
#define SORT_NUMBERS_GIVE_BACK_BY_SEEKING 1
#elif defined(_LIBCPP_VERSION) && defined(__linux__) && !defined(__ANDROID__)
#define SORT_NUMBERS_GIVE_BACK_BY_FFLUSH 1
#endif
#endif

namespace {

#if defined(SORT_NUMBERS_GIVE_BACK_BY_SEEKING) || defined(SORT_NUMBERS_GIVE_BACK_BY_FFLUSH)
static_assert(sizeof(off_t) >= sizeof(std::int64_t), "a file's offset may not fit in off_t");

// Only a regular file has an offset that means a place in it (a device such as /dev/zero
// answers any seek with 0).
bool input_is_a_regular_file() {
  struct stat status = {};
  return ::fstat(STDIN_FILENO, &status) == 0 && S_ISREG(status.st_mode);
}
#endif

}  // namespace

void buffer_standard_streams() { std::ios::sync_with_stdio(false); }

// libstdc++'s buffer throws on a failed read, and read_number reports it. libc++'s reads
// through stdio, which reports it as the end and keeps the error in the FILE, so it is looked
// for after every read: a number that a failure cut short must not count.
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

void give_back_unread_input() {
#if defined(SORT_NUMBERS_GIVE_BACK_BY_SEEKING)
  // Seeking to the buffer's own position sets the offset and empties the buffer, or, if it
  // fails, changes nothing.
  if (input_is_a_regular_file()) {
    std::streambuf& buffer = *std::cin.rdbuf();
    std::streamoff const used = buffer.pubseekoff(0, std::ios::cur, std::ios::in);
    if (used >= 0) {
      buffer.pubseekpos(used, std::ios::in);
    }
  }
#elif defined(SORT_NUMBERS_GIVE_BACK_BY_FFLUSH)
  // glibc's fflush keeps the buffer if its seek fails, and so does the program; musl's empties
  // it regardless, hence the lseek.
  if (input_is_a_regular_file()) {
    off_t const used = ::ftello(stdin);
    // cppcheck-suppress fflushOnInputStream
    if (used >= 0 && std::fflush(stdin) == 0) {
      ::lseek(STDIN_FILENO, used, SEEK_SET);
    }
  }
#endif
}

void write_prompt(std::string_view before, int number, std::string_view after) {
  give_back_unread_input();
  std::cout << before << number << after << std::flush;
}

void write_error(std::string_view line) {
  give_back_unread_input();
  std::cerr << line << std::flush;
}
