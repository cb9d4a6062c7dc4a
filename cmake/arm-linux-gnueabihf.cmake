# Cross-compiles for 32-bit Arm Linux with hardware floating point (Debian's armhf:
# g++-arm-linux-gnueabihf; ARMv7-A, VFPv3-D16, no NEON); the programs run under qemu-arm.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(cross_triplet arm-linux-gnueabihf)
set(cross_emulator qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/cross-linux-gnu.cmake)
