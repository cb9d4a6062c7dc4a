# Sets SORT_NUMBERS_HAVE_CPU_DISPATCH where the search can be built once per x86 vector unit
# and picked at run time: GCC and Clang for x86, which have the target attribute and
# __builtin_cpu_supports. The check is quiet, as its "Failed" on Arm is no error; the status
# line after it says what the build gets.
option(SORT_NUMBERS_CPU_DISPATCH
       "Build the search once per x86 vector unit and pick at run time, where the compiler can" ON)
if(SORT_NUMBERS_CPU_DISPATCH)
  include(CheckCXXSourceCompiles)
  set(CMAKE_REQUIRED_QUIET ON)
  check_cxx_source_compiles([[
    int main() {
      auto twice = [](int x) __attribute__((target("avx512f"))) { return 2 * x; };
      return __builtin_cpu_supports("avx512f") ? twice(0) : 0;
    }
  ]] SORT_NUMBERS_HAVE_CPU_DISPATCH)
  unset(CMAKE_REQUIRED_QUIET)
else()
  unset(SORT_NUMBERS_HAVE_CPU_DISPATCH CACHE)
  unset(SORT_NUMBERS_HAVE_CPU_DISPATCH)
endif()
if(SORT_NUMBERS_HAVE_CPU_DISPATCH)
  message(STATUS "The search for the smallest value: one copy per x86 vector unit, picked at "
                 "run time")
else()
  message(STATUS "The search for the smallest value: one copy, for the compiler's default "
                 "target (${CMAKE_SYSTEM_PROCESSOR})")
endif()
