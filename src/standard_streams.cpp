// The standard streams, by the means of the system and the standard library at hand.
#include "standard_streams.hpp"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ios>
#include <iostream>
#include <system_error>

// A file's rest goes back through its POSIX offset, set once, to the place where reading
// stopped. libstdc++'s cin reads the descriptor and seeks it itself. libc++'s reads C's stdin a
// character at a time, so the FILE's position is the stream's; the descriptor is seeked there
// and the FILE's buffer purged, with no seek of the C library's own: glibc's and musl's fflush
// seek relative to wherever the offset stands, glibc's keeps its buffer when that fails and
// may still return 0, and musl's empties it regardless. The C library of macOS and the BSDs keeps
// its own offset, which no outside seek can mend: there the file is left alone.
#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#if defined(__GLIBCXX__)
#define SORT_NUMBERS_GIVE_BACK_BY_SEEKING 1
#elif defined(_LIBCPP_VERSION) && defined(__linux__) && !defined(__ANDROID__)
#include <stdio_ext.h>
#define SORT_NUMBERS_GIVE_BACK_BY_PURGING 1
#endif
#endif

namespace {

#if defined(SORT_NUMBERS_GIVE_BACK_BY_SEEKING) || defined(SORT_NUMBERS_GIVE_BACK_BY_PURGING)
static_assert(sizeof(off_t) >= sizeof(std::int64_t), "a file's offset may not fit in off_t");

// Returns whether standard input is a file with a place at used: a regular file whose size
// reaches it. A device such as /dev/zero answers any seek with 0, and a file that the system
// makes as it is read (/proc's) has size 0, and may read as empty at any other offset.
bool holds_place(std::int64_t used) {
  struct stat status = {};
  return ::fstat(STDIN_FILENO, &status) == 0 && S_ISREG(status.st_mode) && used <= status.st_size;
}

#if defined(SORT_NUMBERS_GIVE_BACK_BY_SEEKING)
// Returns the offset of the place where reading stopped, or -1.
std::int64_t place_of_stream() {
  return std::cin.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
}

// Sets the offset to used and empties the buffer, or, if the seek fails, changes nothing.
bool seek_stream(std::int64_t used) {
  return std::cin.rdbuf()->pubseekpos(used, std::ios::in) == used;
}
#else
std::int64_t place_of_stream() { return ::ftello(stdin); }

bool seek_stream(std::int64_t used) {
  if (::lseek(STDIN_FILENO, static_cast<off_t>(used), SEEK_SET) != used) {
    return false;
  }
  __fpurge(stdin);
  return true;
}
#endif

// Gives back what was read past the place where reading stopped. Returns whether the offset
// then stands there with nothing read ahead; otherwise nothing changed.
bool give_back() {
  off_t const offset = ::lseek(STDIN_FILENO, 0, SEEK_CUR);
  std::int64_t const used = place_of_stream();
  if (offset < 0 || used < 0) {
    return false;
  }
  // Nothing read ahead: a seek would only be a window for another reader.
  return used == offset || (holds_place(used) && seek_stream(used));
}
#else
bool give_back() { return false; }
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
#if defined(SORT_NUMBERS_GIVE_BACK_BY_PURGING)
  if (!give_back()) {
    // Else glibc's exit would seek the offset back to the FILE's position, after the pauses
    // have read on from where the buffer ends.
    __fpurge(stdin);
  }
#else
  // libstdc++'s buffer is not read again, and nothing seeks back to it; elsewhere nothing is
  // given back.
  give_back();
#endif
}

void write_prompt(std::string_view before, int number, std::string_view after) {
  give_back();
  std::cout << before << number << after << std::flush;
}

void write_error(std::string_view line) {
  give_back();
  std::cerr << line << std::flush;
}
