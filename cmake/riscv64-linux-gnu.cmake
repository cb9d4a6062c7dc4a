# Cross-compiles for 64-bit RISC-V Linux (Debian's riscv64: g++-riscv64-linux-gnu; RV64GC);
# the programs run under qemu-riscv64.
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(cross_triplet riscv64-linux-gnu)
set(cross_emulator qemu-riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/cross-linux-gnu.cmake)
