# Cross-compiles for 32-bit x86 Linux (Debian: g++-i686-linux-gnu), static, so that no 32-bit
# libraries are needed; tests run under qemu-user even where the kernel runs no 32-bit programs.
# "-cpu max" has every vector unit qemu emulates, up to AVX2, for each copy of the search. -R:
# qemu-i386 would reserve 4 GiB, more than the end-to-end test of too large an array allows a
# process (1 GiB); 768 MiB is enough.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -cpu max -R 0x30000000)

set(CMAKE_FIND_ROOT_PATH /usr/i686-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
