# The common part of the toolchain files for Linux targets whose programs run under qemu-user
# with the target's own libraries (all but i686's, whose programs are static). Each sets
# cross_triplet, the target's GNU triplet, which names Debian's cross compiler g++-<triplet>
# and the target's root /usr/<triplet>, and cross_emulator, the qemu-user program (Debian:
# qemu-user) that runs the programs with that root, before it includes this file.
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_C_COMPILER ${cross_triplet}-gcc)
set(CMAKE_CXX_COMPILER ${cross_triplet}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${cross_emulator} -L /usr/${cross_triplet})

set(CMAKE_FIND_ROOT_PATH /usr/${cross_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
