/* The least a processor monitor can cost: wakes every 100 ms on absolute times of
 * CLOCK_MONOTONIC (so the period does not drift with the time each round takes), reads
 * /proc/stat whole and adds up the times of its "cpu" line, and does nothing else. It runs
 * until it is killed. tools/compare-peers.sh builds it and measures it beside the others. */
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

enum { kPeriodNs = 100 * 1000 * 1000 };

/* Where each reading goes, so the compiler keeps the adding up. */
static volatile unsigned long long sink;

/* Reads the whole file again from its start through the descriptor kept open (the kernel
 * makes the text anew at offset 0) and returns the sum of the numbers on its first line. */
static unsigned long long SampleCpuLine(int fd) {
    static char text[64 * 1024];
    size_t length = 0;
    ssize_t got;
    lseek(fd, 0, SEEK_SET);
    while (length < sizeof text - 1 &&
           (got = read(fd, text + length, sizeof text - 1 - length)) > 0) {
        length += (size_t)got;
    }
    text[length] = '\0';
    unsigned long long sum = 0;
    char* p = text + 3; /* after "cpu" */
    while (*p != '\n' && *p != '\0') {
        char* end;
        unsigned long long value = strtoull(p, &end, 10);
        if (end == p) {
            break;
        }
        sum += value;
        p = end;
    }
    return sum;
}

int main(void) {
    int fd = open("/proc/stat", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        perror("/proc/stat");
        return 1;
    }
    struct timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (;;) {
        next.tv_nsec += kPeriodNs;
        if (next.tv_nsec >= 1000 * 1000 * 1000) {
            next.tv_nsec -= 1000 * 1000 * 1000;
            next.tv_sec += 1;
        }
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, NULL) == EINTR) {
        }
        sink = SampleCpuLine(fd);
    }
}
