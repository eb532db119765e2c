// The spin control's value logic per kind: formatting the field texts, reading them back, and
// one whole step as the control takes it (read back, step, format). Every benchmark counts
// the heap allocations made while it runs; a step is meant to make none.
#include "spin/logic/field_format.h"
#include "spin/logic/field_parse.h"
#include "spin/logic/value_step.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> g_allocations{0};

} // namespace

__attribute__((noinline)) void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

// Kept out of line: inlined next to an allocation, free() would look mismatched with new.
__attribute__((noinline)) void operator delete(void* p) noexcept {
    std::free(p);
}

__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace ruzav::spin;

// Reports the allocations per iteration made between construction and destruction.
class AllocationCount {
public:
    explicit AllocationCount(benchmark::State& state)
        : m_state(state), m_start(g_allocations.load()) {}
    ~AllocationCount() {
        const long made = g_allocations.load() - m_start;
        m_state.counters["allocs/iter"] =
            benchmark::Counter(static_cast<double>(made), benchmark::Counter::kAvgIterations);
    }

private:
    benchmark::State& m_state;
    long m_start;
};

void FormatInt(benchmark::State& state) {
    char text[kFieldTextSize];
    int value = -1234;
    AllocationCount count(state);
    for (auto _ : state) {
        FormatIntField(value, text);
        benchmark::DoNotOptimize(text);
        ++value;
    }
}
BENCHMARK(FormatInt);

void FormatFloat(benchmark::State& state) {
    char text[kFieldTextSize];
    float value = 3.14159f;
    AllocationCount count(state);
    for (auto _ : state) {
        FormatFloatField(value, text);
        benchmark::DoNotOptimize(text);
        value += 0.25f;
    }
}
BENCHMARK(FormatFloat);

void FormatTime(benchmark::State& state) {
    FieldTexts texts;
    tagSpinTime time{13, 7, 0, 0};
    const ClockSettings clock{0, 1};
    const Designators designators{"AM", "PM"};
    AllocationCount count(state);
    for (auto _ : state) {
        FormatTimeFields(time, clock, designators, texts);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(FormatTime);

void FormatDate(benchmark::State& state) {
    FieldTexts texts;
    tagSpinDate date{5, 3, 1998, 0};
    AllocationCount count(state);
    for (auto _ : state) {
        FormatDateFields(date, static_cast<eDateOrder>(26), texts);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(FormatDate);

void ParseInt(benchmark::State& state) {
    int value = 0;
    AllocationCount count(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseIntField(" 250", value));
    }
}
BENCHMARK(ParseInt);

void ParseFloat(benchmark::State& state) {
    float value = 0;
    AllocationCount count(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseFloatField("   3.14", value));
    }
}
BENCHMARK(ParseFloat);

void ParseTime(benchmark::State& state) {
    tagSpinTime time{};
    const char* fields[3] = {"11", "30", "PM"};
    const Designators designators{"AM", "PM"};
    AllocationCount count(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseTimeFields(fields, 0, designators, time));
    }
}
BENCHMARK(ParseTime);

void ParseDate(benchmark::State& state) {
    tagSpinDate date{1, 1, 1998, 0};
    const char* fields[3] = {"05", "03", "98"};
    AllocationCount count(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseDateFields(fields, static_cast<eDateOrder>(26), 1998, date));
    }
}
BENCHMARK(ParseDate);

void StepInt(benchmark::State& state) {
    int value = 0;
    AllocationCount count(state);
    for (auto _ : state) {
        StepWholeNumber(value, -1000000, 1000000, 5, 1);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(StepInt);

void StepFloat(benchmark::State& state) {
    float value = 0;
    AllocationCount count(state);
    for (auto _ : state) {
        StepFraction(value, -1e6f, 1e6f, 0.25f, 1);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(StepFloat);

// One step of each kind as the control takes it: the field texts read back, the step, the new
// texts formatted.
void StepTimeRoundTrip(benchmark::State& state) {
    tagSpinTime time{9, 15, 0, 0};
    FieldTexts texts;
    const ClockSettings clock{0, 1};
    const Designators designators{"AM", "PM"};
    FormatTimeFields(time, clock, designators, texts);
    AllocationCount count(state);
    for (auto _ : state) {
        const char* fields[3] = {texts.szField[0], texts.szField[1], texts.szField[2]};
        ParseTimeFields(fields, clock.nClock, designators, time);
        StepTime(time, 2, 1, texts.szField[2], designators);
        FormatTimeFields(time, clock, designators, texts);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(StepTimeRoundTrip);

void StepDateRoundTrip(benchmark::State& state) {
    tagSpinDate date{25, 1, 1999, 0};
    const auto order = static_cast<eDateOrder>(26);
    FieldTexts texts;
    FormatDateFields(date, order, texts);
    int n = 1;
    AllocationCount count(state);
    for (auto _ : state) {
        const char* fields[3] = {texts.szField[0], texts.szField[1], texts.szField[2]};
        ParseDateFields(fields, order, 1998, date);
        StepDate(date, order, 1, n);
        FormatDateFields(date, order, texts);
        benchmark::DoNotOptimize(texts);
        // Walk back and forth across the years so the carries keep happening.
        if (date.nYear == 2099 || date.nYear == 1980) {
            n = -n;
        }
    }
}
BENCHMARK(StepDateRoundTrip);

} // namespace
