// Samples the processor load the way the monitor does (every 100 ms, clamped) and prints
// the average of each second's ten samples, one line per second: "<second> <load>".
// tools/cpu-accuracy.sh sets it against vmstat.
#include "monitor/usecpu.h"
#include "platform/linux/figures_linux.h"

#include <time.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

void AddMilliseconds(timespec& t, long ms) {
    t.tv_nsec += ms * 1000000L;
    while (t.tv_nsec >= 1000000000L) {
        t.tv_nsec -= 1000000000L;
        ++t.tv_sec;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    tarnwick::platform::LinuxProcessorFigures processor;
    tarnwick::platform::LinuxProcessPriority priority;
    tarnwick::UseCpu sampler(processor, priority, tarnwick::kPlatformNt);
    if (!sampler.InitCPUUsage()) {
        std::fprintf(stderr, "cpu_probe: cannot read the idle time\n");
        return 1;
    }
    // Deadlines on a steady clock, so the periods do not drift as a timer's would.
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (int second = 1; second <= seconds; ++second) {
        int sum = 0;
        for (int i = 0; i < 10; ++i) {
            AddMilliseconds(next, 100);
            while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) == EINTR) {
            }
            sampler.Takt();
            sum += sampler.Figures().CPUUsage;
        }
        std::printf("%d %.1f\n", second, sum / 10.0);
        std::fflush(stdout);
    }
    return 0;
}
