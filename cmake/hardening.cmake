# Hardening for the project's own targets on Linux, as the interface library project_hardening:
# -fstack-protector-strong, -fstack-clash-protection, -fcf-protection on x86 and
# -mbranch-protection=standard on Arm, -D_FORTIFY_SOURCE=3 where there is optimisation, a
# position-independent program (-fPIE, -pie), and -z relro -z now. Of Debian 12's build flags
# (dpkg-buildflags), this has the stack protector and relro of its defaults, the -z now that
# hardening=+all adds, and the PIE that its GCC makes by default; Debian 12 fortifies at level
# 2, and has no stack clash or control-flow protection. MinGW keeps its own defaults (ASLR, DEP,
# high-entropy addresses).
add_library(project_hardening INTERFACE)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  include(CheckCXXCompilerFlag)
  include(CheckPIESupported)
  check_pie_supported()
  set_property(TARGET project_hardening PROPERTY INTERFACE_POSITION_INDEPENDENT_CODE ON)
  target_compile_options(project_hardening INTERFACE -fstack-protector-strong)
  target_link_options(project_hardening INTERFACE LINKER:-z,relro LINKER:-z,now)
  # Stack clash protection is missing from older compilers; control-flow protection is
  # -fcf-protection on x86 and -mbranch-protection on Arm, and exists nowhere else. Clang
  # only warns about a flag that is not for its target, hence -Werror.
  set(CMAKE_REQUIRED_QUIET ON)
  set(CMAKE_REQUIRED_FLAGS -Werror)
  foreach(flag -fstack-clash-protection -fcf-protection -mbranch-protection=standard)
    string(MAKE_C_IDENTIFIER "SORT_NUMBERS_HAVE${flag}" have_flag)
    check_cxx_compiler_flag(${flag} ${have_flag})
    if(${have_flag})
      target_compile_options(project_hardening INTERFACE ${flag})
    endif()
  endforeach()
  unset(CMAKE_REQUIRED_QUIET)
  unset(CMAKE_REQUIRED_FLAGS)
  # Fortification needs optimisation, and a sanitizer build goes without it: AddressSanitizer
  # does not see into the fortified copies of the C library's functions. A compiler that
  # fortifies by default (Ubuntu's) gets the same level, not a redefinition.
  if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
    target_compile_options(project_hardening INTERFACE
      $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3>)
  endif()
endif()
