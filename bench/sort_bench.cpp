// Comparisons per second of the program's sort against the textbook selection sort.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "selection_sort.hpp"

namespace {

// The textbook selection sort: one comparison at a time against the smallest so far.
void textbook_sort(int* values, int count) {
  for (int i = 0; i < count - 1; ++i) {
    int smallest = values[i];
    int position = i;
    for (int k = i + 1; k < count; ++k) {
      if (values[k] < smallest) {
        smallest = values[k];
        position = k;
      }
    }
    if (position != i) {
      values[position] = values[i];
      values[i] = smallest;
    }
  }
}

std::vector<int> random_values(int count) {
  std::mt19937 engine(12345);
  std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
  std::vector<int> values(static_cast<std::size_t>(count));
  std::ranges::generate(values, [&] { return any(engine); });
  return values;
}

template <void (*Sort)(int*, int)>
void BM_Sort(benchmark::State& state) {
  int const count = static_cast<int>(state.range(0));
  std::vector<int> const input = random_values(count);
  // cppcheck-suppress variableScope ; outside the loop, so that no iteration allocates
  std::vector<int> values;
  for (auto _ : state) {
    // The sort works in place: each iteration starts from the same input.
    values = input;
    Sort(values.data(), count);
    benchmark::DoNotOptimize(values.data());
    benchmark::ClobberMemory();
  }
  std::int64_t const comparisons = std::int64_t{count} * (count - 1) / 2;
  state.SetItemsProcessed(state.iterations() * comparisons);
}

void counts(benchmark::internal::Benchmark* run) {
  run->Arg(1'000)->Arg(10'000)->Arg(50'000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Sort<textbook_sort>)->Name("BM_TextbookSort")->Apply(counts);
BENCHMARK(BM_Sort<sort>)->Name("BM_Sort")->Apply(counts);

}  // namespace

BENCHMARK_MAIN();
