# Cross-compiles for 64-bit little-endian POWER Linux (Debian's ppc64el:
# g++-powerpc64le-linux-gnu; POWER8, with VSX); the programs run under qemu-ppc64le.
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
set(cross_triplet powerpc64le-linux-gnu)
set(cross_emulator qemu-ppc64le)
include(${CMAKE_CURRENT_LIST_DIR}/cross-linux-gnu.cmake)
