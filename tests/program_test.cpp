// End-to-end tests: the built program, fed a standard input, with a stand-in "pause".
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

// GCC says it builds with AddressSanitizer one way, Clang another.
#if defined(__SANITIZE_ADDRESS__)
#define SORT_NUMBERS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SORT_NUMBERS_ASAN 1
#endif
#endif

namespace {

namespace fs = std::filesystem;

constexpr char kIntro[] =
    "This program sorts numbers from lowest to highest.\nHow many numbers will be sorted? ";
constexpr char kHeading[] = "In sorted order the numbers are:\n";
constexpr char kPauses[] = "[pause]\n[pause]\n";

struct Outcome {
  std::string out;
  std::string err;
  int status;
};

std::string read_file(fs::path const& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Quotes text for the shell, whatever it holds.
std::string shell_quoted(std::string const& text) {
  std::string quoted = "'";
  for (char const c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

// A fresh directory for one run, removed however the test ends, holding a "pause" for PATH that
// prints a marker in the program's output.
class RunDirectory {
 public:
  RunDirectory()
      : path_(fs::temp_directory_path() /
              ("sort-numbers-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(path_);
    fs::create_directories(path_);
    std::ofstream(path_ / "pause") << "#!/bin/sh\necho '[pause]'\n";
    fs::permissions(path_ / "pause", fs::perms::owner_all);
  }
  RunDirectory(RunDirectory const&) = delete;
  RunDirectory& operator=(RunDirectory const&) = delete;
  ~RunDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }

  [[nodiscard]] fs::path const& path() const { return path_; }

  // Returns the shell command that runs setup (a resource limit, say), then the program here,
  // through the emulator if any, with redirections.
  [[nodiscard]] std::string command(std::string const& setup,
                                    std::string const& redirections) const {
    return "cd " + shell_quoted(path_.string()) + " && PATH=\"$PWD:$PATH\" && " + setup +
           (setup.empty() ? "" : " && ") + SORT_NUMBERS_EMULATOR + shell_quoted(SORT_NUMBERS_EXE) +
           " " + redirections;
  }

 private:
  fs::path path_;
};

// Runs command through sh on a non-blocking pipe that holds input and whose writer stays open,
// so that past input a read fails (EAGAIN). Returns the status that std::system would.
int system_from_dry_pipe(std::string const& command, std::string const& input) {
  int ends[2];
  if (::pipe(ends) != 0 || ::fcntl(ends[0], F_SETFL, O_NONBLOCK) != 0) {
    return -1;
  }
  // A few bytes, which the pipe holds with no reader yet.
  bool const written =
      ::write(ends[1], input.data(), input.size()) == static_cast<ssize_t>(input.size());
  pid_t const child = written ? ::fork() : -1;
  if (child == 0) {
    ::dup2(ends[0], STDIN_FILENO);
    if (ends[0] != STDIN_FILENO) {
      ::close(ends[0]);
    }
    ::close(ends[1]);
    ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
    ::_exit(127);
  }
  int raw = -1;
  if (child > 0) {
    ::waitpid(child, &raw, 0);
  }
  ::close(ends[0]);
  ::close(ends[1]);
  return raw;
}

// A second reader needs Linux's pipe sizes and /proc.
#if defined(__linux__)
// Returns whether pid, or a child of it, waits to write to a full pipe.
bool waits_to_write_to_a_pipe(pid_t pid) {
  std::string const id = std::to_string(pid);
  std::istringstream ids(id + ' ' + read_file("/proc/" + id + "/task/" + id + "/children"));
  for (std::string each; ids >> each;) {
    if (read_file("/proc/" + each + "/wchan").find("pipe_write") != std::string::npos) {
      return true;
    }
  }
  return false;
}

// Runs command through sh on dir's file "in", its output a pipe with room for the introduction
// only, so that the program waits at the next prompt while a second reader of the same open file
// takes the rest. Writes what the program wrote to "out"; returns what std::system would.
int system_with_a_second_reader(std::string const& command, fs::path const& dir) {
  int const in = ::open((dir / "in").c_str(), O_RDONLY | O_CLOEXEC);
  int ends[2];
  if (in < 0 || ::pipe2(ends, O_CLOEXEC) != 0) {
    return -1;
  }
  // One page, or as much as the pipe holds where it cannot be made smaller.
  int size = ::fcntl(ends[1], F_SETPIPE_SZ, 4096);
  size = size > 0 ? size : ::fcntl(ends[1], F_GETPIPE_SZ);
  auto const room = static_cast<std::size_t>(std::max(size, 0));
  std::string const filler(room - std::min(room, std::strlen(kIntro)), ' ');
  bool const filled = !filler.empty() && ::write(ends[1], filler.data(), filler.size()) ==
                                             static_cast<ssize_t>(filler.size());
  pid_t const child = filled ? ::fork() : -1;
  if (child == 0) {
    ::dup2(in, STDIN_FILENO);
    ::dup2(ends[1], STDOUT_FILENO);
    ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
    ::_exit(127);
  }
  ::close(ends[1]);
  int raw = -1;
  bool ended = child < 0;
  // For at most 20 s: an emulator starts slowly.
  for (int tries = 0; tries < 2000 && !ended && !waits_to_write_to_a_pipe(child); ++tries) {
    ended = ::waitpid(child, &raw, WNOHANG) != 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  char bytes[4096];
  while (::read(in, bytes, sizeof bytes) > 0) {
  }
  std::string written;
  for (ssize_t n = 0; (n = ::read(ends[0], bytes, sizeof bytes)) > 0;) {
    written.append(bytes, static_cast<std::size_t>(n));
  }
  if (!ended) {
    ::waitpid(child, &raw, 0);
  }
  ::close(in);
  ::close(ends[0]);
  std::ofstream(dir / "out", std::ios::binary)
      << written.substr(std::min(filler.size(), written.size()));
  return raw;
}
#endif

// The program's input: the file "in" that the redirections name, a pipe that runs dry after it,
// or "in" with a second reader.
enum class Feed : unsigned char {
  file,
  dry_pipe,
#if defined(__linux__)
  second_reader,
#endif
};

// Runs the program with input in the file "in", its streams where redirections say.
Outcome run_program(std::string const& input, std::string const& setup = "",
                    std::string const& redirections = "<in >out 2>err", Feed feed = Feed::file) {
  RunDirectory const dir;
  std::ofstream(dir.path() / "in", std::ios::binary) << input;
  std::string const command = dir.command(setup, redirections);
  int raw = -1;
  switch (feed) {
    case Feed::file:
      raw = std::system(command.c_str());
      break;
    case Feed::dry_pipe:
      raw = system_from_dry_pipe(command, input);
      break;
#if defined(__linux__)
    case Feed::second_reader:
      raw = system_with_a_second_reader(command, dir.path());
      break;
#endif
  }
  return {read_file(dir.path() / "out"), read_file(dir.path() / "err"),
          WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

struct Case {
  char const* name;
  std::string input;
  std::string out;  // after the introduction, before the two pauses
  std::string err;
  int status;
  char const* redirections = "<in >out 2>err";
  Feed feed = Feed::file;
  bool limits_memory = false;  // run under memory_limit(), and skipped where there is none
  // Its count is kWatchedCount, and its pauses check that the array is released between them.
  bool watches_release = false;
};

// The shell text that limits the program's memory to 1 GiB, too little for 600,000,000 numbers;
// or, where there is none, why.
struct MemoryLimit {
  std::string setup;
  char const* missing;
};

MemoryLimit memory_limit() {
#if SORT_NUMBERS_ASAN
  // AddressSanitizer reserves more address space than any limit it could run under, so it caps
  // allocations itself, its warning in a log; an error of its own shows as its exit status.
  return {
      "export ASAN_OPTIONS=allocator_may_return_null=1:max_allocation_size_mb=1024:"
      "log_path=asan:exitcode=86",
      ""};
#else
  std::string const limit = "ulimit -v 1048576";
  if (std::system((limit + " 2>/dev/null").c_str()) != 0) {
    return {"", "the shell cannot limit a process's memory"};
  }
  // qemu-arm reserves the 4 GiB of its guest before it starts the program, and cannot.
  if (!run_program("", limit).out.starts_with(kIntro)) {
    return {"", "the program cannot start with its memory limited"};
  }
  return {limit, ""};
#endif
}

#if defined(__linux__)
constexpr int kWatchedCount = 10000000;
constexpr long kWatchedKilobytes = kWatchedCount / 1024 * static_cast<long>(sizeof(int));

// Returns this process's VmSize in kB, or -1, with no allocation (valgrind hands a released
// block back to the system only at the next one).
long vm_size() {
  int const status = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
  if (status < 0) {
    return -1;
  }
  char text[4096] = {};
  ssize_t const length = ::read(status, text, sizeof text - 1);
  ::close(status);
  char const* const line = length > 0 ? std::strstr(text, "\nVmSize:") : nullptr;
  return line != nullptr ? std::strtol(line + std::strlen("\nVmSize:"), nullptr, 10) : -1;
}

// Returns whether releasing an array of kWatchedCount ints, as the program does, lowers VmSize
// by its size, as the C library's munmap does. Valgrind and AddressSanitizer keep what is
// released, and qemu-user reserves a 32-bit guest's address space at its start.
bool release_lowers_vm_size() {
  std::unique_ptr<int[]> array(new (std::nothrow) int[kWatchedCount]);
  // Kept, so that the compiler cannot leave the allocation out.
  int* const volatile kept = array.get();
  long const before = vm_size();
  array.reset();
  return kept != nullptr && before - vm_size() >= kWatchedKilobytes;
}

// Returns a stand-in "pause" that prints "[pause]" the first time, and the second time too if
// the program's VmSize has since fallen by the size of an array of kWatchedCount ints; else the
// two sizes. The program is its nearest ancestor that is not the shell it runs in.
std::string release_watcher() {
  return R"sh(#!/bin/sh
p=$PPID
while [ "$(readlink /proc/$p/exe)" = "$(readlink /proc/$$/exe)" ]; do
  p=$(sed -n 's/^PPid:[^0-9]*//p' /proc/$p/status)
done
now=$(sed -n 's/^VmSize:[^0-9]*\([0-9]*\).*/\1/p' /proc/$p/status)
if [ ! -e size ]; then
  echo "$now" >size
  echo '[pause]'
elif [ $(($(cat size) - now)) -ge )sh" +
         std::to_string(kWatchedKilobytes) + R"sh( ]; then
  echo '[pause]'
else
  echo "[pause: VmSize $(cat size) kB, then $now kB]"
fi
)sh";
}
#endif

void expect_runs(Case const& c) {
  SCOPED_TRACE(c.name);
  MemoryLimit const limit = c.limits_memory ? memory_limit() : MemoryLimit{"", ""};
  if (c.limits_memory && limit.setup.empty()) {
    std::cout << "Skipped \"" << c.name << "\": " << limit.missing << "\n";
    return;
  }
  std::string setup = limit.setup;
#if defined(__linux__)
  if (c.watches_release) {
    if (!release_lowers_vm_size()) {
      std::cout << "Skipped \"" << c.name
                << "\": releasing memory does not lower VmSize in this build\n";
      return;
    }
    setup = "printf %s " + shell_quoted(release_watcher()) + " >pause";
  }
#endif
  Outcome const outcome = run_program(c.input, setup, c.redirections, c.feed);
  EXPECT_EQ(outcome.out, kIntro + c.out + kPauses);
  EXPECT_EQ(outcome.err, c.err);
  EXPECT_EQ(outcome.status, c.status);
}

TEST(ProgramTest, SortsWhatItReads) {
  // Enough values for the search's vector code, so that the copy the program picks runs.
  std::string falling = "300\n";
  std::string rising;
  for (int k = 1; k <= 300; ++k) {
    falling += std::to_string(301 - k) + ' ';
    rising += std::to_string(k) + ' ';
  }
  Case const cases[] = {
      {"typical", "5\n5 3 8 1 9\n", std::string("Enter 5 integers.\n") + kHeading + "1 3 5 8 9 \n",
       "", 0},
      {"spread over lines, extra input left", "5 5\n3\n\n8 1\t9 x\n",
       std::string("Enter 5 integers.\n") + kHeading + "1 3 5 8 9 \n", "", 0},
      {"count 0", "0\n", std::string("Enter 0 integers.\n") + kHeading + "\n", "", 0},
      {"count 1", "1\n-4", std::string("Enter 1 integers.\n") + kHeading + "-4 \n", "", 0},
      {"ties, signs, extremes", "7 2147483647 -1 +3 -2147483648 3 -1 0\r\n",
       std::string("Enter 7 integers.\n") + kHeading + "-2147483648 -1 -1 0 3 3 2147483647 \n", "",
       0},
      {"signs, zeros, CRLF", "4\r\n+007 -0 -00 -2147483648\r\n",
       std::string("Enter 4 integers.\n") + kHeading + "-2147483648 0 0 7 \n", "", 0},
      {"300 falling", falling, "Enter 300 integers.\n" + (kHeading + rising) + "\n", "", 0},
  };
  for (Case const& c : cases) {
    expect_runs(c);
  }
}

std::string bad_count(std::string const& word) {
  return "Error: the count must be a whole number from 0 to 2147483647, not \"" + word + "\".\n";
}

std::string bad_value(int k, int n, std::string const& word) {
  return "Error: value " + std::to_string(k) + " of " + std::to_string(n) +
         " must be a whole number from -2147483648 to 2147483647, not \"" + word + "\".\n";
}

std::string could_not_read(std::string const& what) {
  return "Error: the input could not be read for " + what + ".\n";
}

// The next reader of a file gets all that the program did not use, from the character that
// ended the last value: the first "pause", which prints it, or, where a write ends the program,
// the cat after it.
TEST(ProgramTest, LeavesTheRestOfAFileUnread) {
  struct Leftover {
    char const* name;
    std::string input;
    std::string setup;  // after standard input is opened on the file "in"
    char const* redirections;
    std::string out;  // the whole of it: what the program wrote, then what was left
    std::string err;
    int status;
    bool limits_memory = false;  // as in Case
  };
  // Runs the program on "in", after setup, with a "pause" that prints what it reads, and a cat
  // after the program.
  auto const run = [](std::string const& input, std::string const& setup,
                      std::string const& redirections) {
    return run_program(input,
                       "exec <in && printf '#!/bin/sh\\necho \"[pause]\"\\ncat\\n' >pause" +
                           (setup.empty() ? "" : " && " + setup),
                       redirections + "; s=$?; ulimit -S -f unlimited; cat >>out; exit $s");
  };
  MemoryLimit const limit = memory_limit();
  // After 420 bytes, the introduction fits under a file-size limit of one 512-byte block, and
  // the value prompt does not.
  std::string const spaces(420, ' ');
  std::string const zeros(31, '0');
  std::vector<Leftover> cases = {
      {"all read", "2\n5 3\nrest\n", "", ">out 2>err",
       kIntro + std::string("Enter 2 integers.\n") + kHeading + "3 5 \n[pause]\n\nrest\n[pause]\n",
       "", 0},
      {"stopped at a word", "3\n1 x 2\nrest\n", "", ">out 2>err",
       kIntro + std::string("Enter 3 integers.\n[pause]\n 2\nrest\n[pause]\n"),
       bad_value(2, 3, "x"), 1},
      {"stopped at a word that begins with zeros", "1 " + zeros + "99999999999 rest\n", "",
       ">out 2>err", kIntro + std::string("Enter 1 integers.\n[pause]\n9 rest\n[pause]\n"),
       bad_value(1, 1, std::string(20, '0') + "..."), 1},
      {"a count refused", "five\nrest\n", "", ">out 2>err",
       kIntro + std::string("[pause]\n\nrest\n[pause]\n"), bad_count("five"), 1},
      {"no room for the array", "600000000\n1 2\nrest\n", limit.setup, ">out 2>err",
       kIntro + std::string("[pause]\n\n1 2\nrest\n[pause]\n"),
       "Error: not enough memory for 600000000 numbers.\n", 1, true},
      // SIGXFSZ at the value prompt; standard error is dropped, as the shell reports it there.
      {"ended at the value prompt", "3\n5 1 2\nrest\n", "printf '%420s' '' >out && ulimit -S -f 1",
       ">>out 2>/dev/null", spaces + kIntro + "Enter 3 " + "\n5 1 2\nrest\n", "", 153},
      // SIGPIPE, as the error line goes to a pipe that no one reads.
      {"ended at an error line", "3\n1 x 2\nrest\n", "mkfifo gone && exec 3<>gone 2>gone 3<&-",
       ">out", kIntro + std::string("Enter 3 integers.\n 2\nrest\n"), "", 141},
  };
#if defined(__linux__)
  // A file that the system makes as it is read has size 0, and /proc/sys's read as empty past
  // where the first read ended: it is read as the same bytes through a pipe, and nothing then
  // moves its offset back for the cat after the program (glibc's exit would, with libc++).
  for (char const* made : {"/proc/sys/kernel/printk", "/proc/version"}) {
    std::string const bytes = read_file(made);
    if (bytes.empty()) {
      std::cout << "Skipped " << made << ": this system has none\n";
      continue;
    }
    Outcome const piped = run(bytes, "mkfifo pipe && (cat in >pipe &) && exec <pipe", ">out 2>err");
    cases.push_back(
        {made, "", std::string("exec <") + made, ">out 2>err", piped.out, piped.err, piped.status});
  }
#endif
  for (Leftover const& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.limits_memory && limit.setup.empty()) {
      std::cout << "Skipped \"" << c.name << "\": " << limit.missing << "\n";
      continue;
    }
    Outcome const outcome = run(c.input, c.setup, c.redirections);
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.err, c.err);
    EXPECT_EQ(outcome.status, c.status);
  }

  // A list far larger than a pipe holds ends the program as it is written (its reader gone
  // after the heading); the rest of the file must be back by then.
  std::string input = "12000\n";
  for (int k = 0; k < 12000; ++k) {
    input += std::to_string(-1000000000 - k) + ' ';
  }
  Outcome const cut =
      run_program(input + "\nrest\n", "exec <in", "2>err | head -n 3 >out; cat >>out");
  EXPECT_EQ(cut.out, kIntro + std::string("Enter 12000 integers.\n") + kHeading + " \nrest\n");
}

// The quoting rules are number_reader_test's; the last rows show both messages quote a word,
// escaped and cut short.
TEST(ProgramTest, RejectsBadInput) {
  using namespace std::string_literals;
  std::string const sevens(20, '7');
  std::string const enter3 = "Enter 3 integers.\n";
  std::string const dry = ": Resource temporarily unavailable";
  std::vector<Case> cases = {
      {"count missing", " \t\r\n", "", "Error: the input ended before the count.\n", 1},
      {"empty input", "", "", "Error: the input ended before the count.\n", 1},
      {"only whitespace", " \t\r\n\v\f", "", "Error: the input ended before the count.\n", 1},
      {"input a directory", "", "", could_not_read("the count: Is a directory"), 1,
       "<. >out 2>err"},
      {"input closed", "", "", could_not_read("the count: Bad file descriptor"), 1,
       "<&- >out 2>err"},
      {"input write-only", "", "", could_not_read("the count: Bad file descriptor"), 1,
       "0>>in >out 2>err"},
      {"input runs dry inside the count", "12", "", could_not_read("the count" + dry), 1,
       ">out 2>err", Feed::dry_pipe},
      {"input runs dry inside a value", "2 5 12", "Enter 2 integers.\n",
       could_not_read("value 2 of 2" + dry), 1, ">out 2>err", Feed::dry_pipe},
      {"input runs dry between values", "3\n1 2 ", enter3, could_not_read("value 3 of 3" + dry), 1,
       ">out 2>err", Feed::dry_pipe},
      {"count not a number", "five\n", "", bad_count("five"), 1},
      {"count negative", "-1\n", "", bad_count("-1"), 1},
      {"count negative, letters after it", "-3abc 1 2 3\n", "", bad_count("-3abc"), 1},
      {"count with trailing letters", "3abc 1 2 3\n", enter3, bad_value(1, 3, "abc"), 1},
      {"lone plus", "+", "", bad_count("+"), 1},
      {"count too large", "2147483648\n", "", bad_count("2147483648"), 1},
      {"no room for 600000000", "600000000\n1\n", "",
       "Error: not enough memory for 600000000 numbers.\n", 1, "<in >out 2>err", Feed::file, true},
      {"no room for 2000000000", "2000000000\n1\n", "",
       "Error: not enough memory for 2000000000 numbers.\n", 1, "<in >out 2>err", Feed::file, true},
      {"value a word", "3\n1 two 3\n", enter3, bad_value(2, 3, "two"), 1},
      {"value with a dot", "3\n2.5 1 1\n", enter3, bad_value(2, 3, ".5"), 1},
      {"value too large", "3\n2147483648 1 2\n", enter3, bad_value(1, 3, "2147483648"), 1},
      {"value too small", "3\n-2147483649 1 2\n", enter3, bad_value(1, 3, "-2147483649"), 1},
      {"30-digit value", "2\n1 123456789012345678901234567890\n", "Enter 2 integers.\n",
       bad_value(2, 2, "12345678901234567890..."), 1},
      {"lone minus", "2\n-\n", "Enter 2 integers.\n", bad_value(1, 2, "-"), 1},
      {"non-ASCII digits", "2\n\xd9\xa3 \xef\xbc\x91\n", "Enter 2 integers.\n",
       bad_value(1, 2, R"(\xd9\xa3)"), 1},
      {"NUL byte among the values", "3\n1 \0 2\n"s, enter3, bad_value(2, 3, R"(\x00)"), 1},
      {"input ends early", "3\n1 2\n \n", enter3, "Error: the input ended after 2 of 3 values.\n",
       1},
      {"count far larger than the values", "100000000\n1 2 3\n", "Enter 100000000 integers.\n",
       "Error: the input ended after 3 of 100000000 values.\n", 1},
      {"count with a quote and a backslash", "a\"b\\c 2\n", "", bad_count(R"(a\"b\\c)"), 1},
      {"value with control bytes, NUL, DEL", "2\n1 \x1b[1m\0\x01\x7f\n"s, "Enter 2 integers.\n",
       bad_value(2, 2, R"(\x1b[1m\x00\x01\x7f)"), 1},
      {"value of 21 bytes", "2\n1 " + sevens + "7\n", "Enter 2 integers.\n",
       bad_value(2, 2, sevens + "..."), 1},
  };
#if defined(__linux__)
  // The second reader gets the values, and the program must not use them too.
  cases.push_back({"input taken by another reader at the prompt", "3\n5 1 2\n", enter3,
                   "Error: the input ended after 0 of 3 values.\n", 1, "2>err",
                   Feed::second_reader});
  // No value to read, so that no page of the array is touched.
  std::string const watched = std::to_string(kWatchedCount);
  cases.push_back({"the array released between the pauses", watched + "\n",
                   "Enter " + watched + " integers.\n",
                   "Error: the input ended after 0 of " + watched + " values.\n", 1,
                   "<in >out 2>err", Feed::file, false, true});
#endif
  for (Case const& c : cases) {
    expect_runs(c);
  }
#if defined(__arm__) && defined(__GNUC__) && !defined(__clang__)
  // GCC's new[] for 32-bit Arm refuses 0x1fffffff ints, fewer bytes than PTRDIFF_MAX, and more,
  // even as a nothrow new: no room, with no limit of the system's.
  expect_runs({"no room for 536870911", "536870911\n1\n", "",
               "Error: not enough memory for 536870911 numbers.\n", 1});
#endif
}

// With standard output on a full disk, prompts that could not be written report nothing.
TEST(ProgramTest, ReportsOutputItCannotWriteOnce) {
  struct Full {
    std::string input;
    std::string error;
    char const* setup = "";
    char const* output = ">/dev/full";
  };
  // All but the sorted list fits in 512 bytes, and the list fails only as it is flushed.
  std::string two_hundred = "200\n";
  for (int k = 0; k < 200; ++k) {
    two_hundred += std::to_string(1000000 + k) + ' ';
  }
  Full const cases[] = {
      {"2\n2 1\n", "Error: the sorted numbers could not be written.\n"},
      {"2\n1 x\n", bad_value(2, 2, "x")},
      {two_hundred, "Error: the sorted numbers could not be written.\n",
       "ulimit -f 1 && trap '' XFSZ", ">out"},
  };
  if (!fs::exists("/dev/full")) {
    GTEST_SKIP() << "this system has no /dev/full";
  }
  for (Full const& c : cases) {
    SCOPED_TRACE(c.input);
    Outcome const outcome =
        run_program(c.input, c.setup, "<in " + std::string(c.output) + " 2>err");
    // The stand-in "pause" cannot write its marker either, and says so after the program.
    EXPECT_TRUE(outcome.err.starts_with(c.error)) << outcome.err;
    EXPECT_EQ(outcome.err.find("Error: ", 1), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.status, 1);
  }
}

// Waits up to 20 s (an emulator starts slowly) for the file at path to end with text. Returns
// whether it did.
bool wait_for_ending(fs::path const& path, std::string const& text) {
  for (int tries = 0; tries < 2000; ++tries) {
    if (read_file(path).ends_with(text)) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

// Each answer is typed once its prompt shows, as a person would, so an unflushed prompt never
// arrives. Nothing may reach standard error meanwhile: a word is quoted once typed in full.
TEST(ProgramTest, ShowsEachPromptBeforeItWaits) {
  struct Step {
    std::string shown;
    std::string typed;
  };
  struct Dialogue {
    char const* name;
    std::vector<Step> steps;
    std::string out;  // after the introduction, before the two pauses
    std::string err;
    int status;
  };
  Dialogue const dialogues[] = {
      {"two numbers",
       {{kIntro, "2\n"}, {"Enter 2 integers.\n", "2 1\n"}},
       std::string("Enter 2 integers.\n") + kHeading + "1 2 \n",
       "",
       0},
      {"a word typed in two parts",
       {{kIntro, "abc"}, {kIntro, "def\n"}},
       "",
       bad_count("abcdef"),
       1},
  };
  for (Dialogue const& d : dialogues) {
    SCOPED_TRACE(d.name);
    RunDirectory const dir;
    FILE* const program = ::popen(dir.command("", ">out 2>err").c_str(), "w");
    ASSERT_NE(program, nullptr);
    for (Step const& step : d.steps) {
      bool const shown = wait_for_ending(dir.path() / "out", step.shown);
      EXPECT_TRUE(shown) << "the program waits without showing "
                         << ::testing::PrintToString(step.shown);
      if (!shown) {
        break;
      }
      // A moment for whatever the program would make of the input so far.
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      EXPECT_EQ(read_file(dir.path() / "err"), "")
          << "before " << ::testing::PrintToString(step.typed) << " was typed";
      std::fputs(step.typed.c_str(), program);
      std::fflush(program);
    }
    int const raw = ::pclose(program);
    EXPECT_EQ(read_file(dir.path() / "out"), kIntro + d.out + kPauses);
    EXPECT_EQ(read_file(dir.path() / "err"), d.err);
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, d.status);
  }
}

}  // namespace
