#include "startup/scrambler.h"

#include <benchmark/benchmark.h>

namespace {

void scrambler(benchmark::State& state)
{
    const QByteArray page(1 << 20, 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(Quillet::Scramble(page, Quillet::BELKA));
    state.SetBytesProcessed(state.iterations() * page.size());
}
BENCHMARK(scrambler)->Name("scrambler (1 MB page)");

} // namespace
