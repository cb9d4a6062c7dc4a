# Checks whether the search for the smallest value can be built once per x86 vector unit and
# picked at run time, and sets SORT_NUMBERS_HAVE_CPU_DISPATCH if so.
#
# That takes the target attribute and __builtin_cpu_supports (GCC and Clang for x86, on any
# system); elsewhere the search is built once. The check is quiet: its "Failed" on Arm is no
# error, and the status line after it says what the build gets.
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_QUIET ON)
check_cxx_source_compiles([[
  __attribute__((target("avx512f"))) int twice(int x) { return 2 * x; }
  int main() { return __builtin_cpu_supports("avx512f") ? twice(0) : 0; }
]] SORT_NUMBERS_HAVE_CPU_DISPATCH)
unset(CMAKE_REQUIRED_QUIET)
if(SORT_NUMBERS_HAVE_CPU_DISPATCH)
  message(STATUS "The search for the smallest value: AVX-512, AVX2, SSE4.1 and baseline "
                 "copies, picked at run time")
else()
  message(STATUS "The search for the smallest value: one copy, for the compiler's default "
                 "target (${CMAKE_SYSTEM_PROCESSOR})")
endif()
