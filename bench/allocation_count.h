#pragma once

// Every heap allocation the benchmark process makes, the C++ runtime's, Qt's and the C
// library's alike: allocation_count.cpp replaces malloc and its kin with counting wrappers
// around the C library's own, so an allocation inside Qt counts as one of ours would.

#include <benchmark/benchmark.h>

namespace tarnwick::bench {

long long HeapAllocations();

// Allocations made while it lives, per iteration of the timed loop, as the counter
// "allocs/iter".
class AllocationCount {
public:
    explicit AllocationCount(benchmark::State& state) : state_(state), start_(HeapAllocations()) {}
    ~AllocationCount() {
        const long long made = HeapAllocations() - start_;
        const auto iterations = static_cast<double>(state_.iterations());
        state_.counters["allocs/iter"] =
            benchmark::Counter(iterations > 0 ? static_cast<double>(made) / iterations : 0);
    }
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

private:
    benchmark::State& state_;
    long long start_;
};

}  // namespace tarnwick::bench
