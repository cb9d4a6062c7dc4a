// The copies of the search behind index_of_smallest, one per vector unit, so that each of
// them can be checked and timed, not only the one that the processor running it picks.
#ifndef SRC_SMALLEST_SEARCH_HPP_
#define SRC_SMALLEST_SEARCH_HPP_

#include <span>

// The vector units the search has a copy for, widest first. Builds for x86 processors with
// GCC or Clang have a copy for each, unless configured with SORT_NUMBERS_CPU_DISPATCH off;
// other builds have only the baseline, the compiler's default for its target (which is NEON
// on 64-bit Arm).
enum class vector_unit : unsigned char { avx512f, avx2, sse4_1, baseline };

// Returns every unit, widest first, the baseline last.
[[nodiscard]] std::span<vector_unit const> all_units();

// The unit's name as the compiler writes it ("avx512f", "sse4.1", "baseline").
[[nodiscard]] char const* name_of(vector_unit unit);

// Returns the unit whose copy index_of_smallest uses: the widest whose copy this build has and
// the processor running it can execute. Each call reads anew the features that the compiler's
// run-time support found at start-up.
[[nodiscard]] vector_unit unit_in_use();

// Returns whether this build has a copy for unit and the processor running it can execute it:
// whether unit is unit_in_use() or narrower. Always true for the baseline.
[[nodiscard]] bool can_run(vector_unit unit);

// index_of_smallest with the copy for unit, which can_run(unit) must allow.
[[nodiscard]] int index_of_smallest_with(vector_unit unit, int const* values, int start, int count);

#endif  // SRC_SMALLEST_SEARCH_HPP_
