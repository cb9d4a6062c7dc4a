# Cross-compiles for 64-bit IBM Z Linux (Debian's s390x: g++-s390x-linux-gnu; z196, big-endian);
# the programs run under qemu-s390x.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(cross_triplet s390x-linux-gnu)
set(cross_emulator qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/cross-linux-gnu.cmake)
