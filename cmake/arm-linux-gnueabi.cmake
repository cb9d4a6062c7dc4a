# Cross-compiles for 32-bit Arm Linux with software floating point (Debian's armel:
# g++-arm-linux-gnueabi; ARMv5TE); the programs run under qemu-arm.
set(CMAKE_SYSTEM_PROCESSOR armv5tel)
set(cross_triplet arm-linux-gnueabi)
set(cross_emulator qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/cross-linux-gnu.cmake)
