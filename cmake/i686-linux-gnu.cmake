# Cross-compiles for 32-bit x86 Linux (Debian: g++-i686-linux-gnu), linked statically so that
# the programs need no 32-bit libraries. Their tests run under qemu-user (Debian: qemu-user),
# which works where the kernel runs no 32-bit programs itself. "-cpu max" lends it every vector
# unit that qemu emulates, AVX2 the widest, so that those copies of the search are tested too.
# qemu-i386 would reserve a whole 4 GiB address space at start-up, more than the end-to-end
# test that refuses an array too large leaves a process (1 GiB); 768 MiB is room enough.
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
