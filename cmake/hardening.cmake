# Hardening for the project's own targets on Linux, as project_hardening: the stack protector,
# PIE, relro and -z now of Debian 12's hardening=+all; fortification at level 3, not its 2; the
# stack clash protection it lacks; and on 64-bit Arm, signed return addresses. MinGW keeps its
# own defaults (ASLR, DEP, high-entropy addresses).
add_library(project_hardening INTERFACE)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  include(CheckCXXCompilerFlag)
  include(CheckPIESupported)
  check_pie_supported()
  set_property(TARGET project_hardening PROPERTY INTERFACE_POSITION_INDEPENDENT_CODE ON)
  target_compile_options(project_hardening INTERFACE -fstack-protector-strong)
  target_link_options(project_hardening INTERFACE LINKER:-z,relro LINKER:-z,now)
  # Older compilers lack stack clash protection. pac-ret, 64-bit Arm's, signs each saved return
  # address, which needs nothing of the linker. BTI (-mbranch-protection=standard) and x86's
  # -fcf-protection work only when every file linked carries their note, and the C library's
  # start-up files of Debian 12 and 13 do not: the program would not have them. Clang only warns
  # about another target's flag, hence -Werror.
  set(CMAKE_REQUIRED_QUIET ON)
  set(CMAKE_REQUIRED_FLAGS -Werror)
  foreach(flag -fstack-clash-protection -mbranch-protection=pac-ret)
    string(MAKE_C_IDENTIFIER "SORT_NUMBERS_HAVE${flag}" have_flag)
    check_cxx_compiler_flag(${flag} ${have_flag})
    if(${have_flag})
      target_compile_options(project_hardening INTERFACE ${flag})
    endif()
  endforeach()
  unset(CMAKE_REQUIRED_QUIET)
  unset(CMAKE_REQUIRED_FLAGS)
  # Fortification needs optimisation, and is left out of a sanitizer build: AddressSanitizer
  # does not see into the fortified C functions. -U first for a compiler that fortifies by
  # default (Ubuntu's).
  if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
    target_compile_options(project_hardening INTERFACE
      $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3>)
  endif()
endif()
