// Heap allocations counted in benchmarks. Linking the support library puts a counting malloc in
// front of the C library's, so every allocation of the process is seen, whether it comes from
// operator new, a C function or another shared library.
#pragma once

#include <benchmark/benchmark.h>

namespace bench_support {

// Allocations made by the process so far.
long MallocCalls();

// Reports the allocations made during its lifetime as the counter "mallocs/iter" (per
// iteration of the benchmark loop). Construct it right before the loop.
class MallocCount {
public:
    explicit MallocCount(benchmark::State& state) : m_state(state), m_start(MallocCalls()) {}
    ~MallocCount() {
        m_state.counters["mallocs/iter"] = benchmark::Counter(
            static_cast<double>(MallocCalls() - m_start), benchmark::Counter::kAvgIterations);
    }
    MallocCount(const MallocCount&) = delete;
    MallocCount& operator=(const MallocCount&) = delete;

private:
    benchmark::State& m_state;
    long m_start;
};

} // namespace bench_support
