// Cost of the sampler and the measures on this machine's real /proc, with the heap
// allocations each call makes after start-up (a counting operator new below).
#include "monitor/measures.h"
#include "monitor/usecpu.h"
#include "platform/linux/figures_linux.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {
std::atomic<long long> allocations{0};
}  // namespace

// Out of line, so the compiler sees matching new and delete calls rather than malloc and free.
[[gnu::noinline]] void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using tarnwick::platform::LinuxMemoryFigures;
using tarnwick::platform::LinuxProcessorFigures;
using tarnwick::platform::LinuxProcessPriority;

// Allocations made inside the timed loop, per call.
class AllocationCount {
public:
    explicit AllocationCount(benchmark::State& state) : state_(state), start_(allocations.load()) {}
    ~AllocationCount() {
        const long long made = allocations.load() - start_;
        state_.counters["allocs/call"] = benchmark::Counter(
            static_cast<double>(made) / static_cast<double>(state_.iterations()));
    }

private:
    benchmark::State& state_;
    long long start_;
};

void BM_GetCPUUsage(benchmark::State& state) {
    LinuxProcessorFigures processor;
    LinuxProcessPriority priority;
    tarnwick::UseCpu sampler(processor, priority, tarnwick::kPlatformNt);
    sampler.InitCPUUsage();
    {
        AllocationCount count(state);
        for (auto _ : state) {
            benchmark::DoNotOptimize(sampler.GetCPUUsage());
        }
    }
}
BENCHMARK(BM_GetCPUUsage);

void BM_GetMeasure(benchmark::State& state) {
    LinuxMemoryFigures memory;
    tarnwick::CpuFigures cpu{37, 2096};
    tarnwick::Measures measures(memory, cpu, ".");
    std::string text;
    text.reserve(64);
    int n = 0;
    {
        AllocationCount count(state);
        for (auto _ : state) {
            n = n % 16 + 1;  // all sixteen in turn
            benchmark::DoNotOptimize(measures.GetMeasure(n, text));
            benchmark::DoNotOptimize(text.data());
        }
    }
}
BENCHMARK(BM_GetMeasure);

void BM_InfoHintText(benchmark::State& state) {
    LinuxMemoryFigures memory;
    tarnwick::CpuFigures cpu{37, 2096};
    tarnwick::Measures measures(memory, cpu, ".");
    {
        AllocationCount count(state);
        for (auto _ : state) {
            benchmark::DoNotOptimize(measures.InfoHintText().data());
        }
    }
}
BENCHMARK(BM_InfoHintText);

// The counter itself: one vector a call must read 1.
void BM_CounterCheck(benchmark::State& state) {
    AllocationCount count(state);
    for (auto _ : state) {
        std::vector<int> block(64);
        benchmark::DoNotOptimize(block.data());
    }
}
BENCHMARK(BM_CounterCheck);

}  // namespace

BENCHMARK_MAIN();
