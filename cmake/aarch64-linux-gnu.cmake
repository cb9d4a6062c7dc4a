# Cross-compiles for 64-bit Arm Linux (Debian's arm64: g++-aarch64-linux-gnu); the programs run
# under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(cross_triplet aarch64-linux-gnu)
set(cross_emulator qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/cross-linux-gnu.cmake)
