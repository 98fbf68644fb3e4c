// Sends one refresh request to every running monitor, as the settings program does:
// refresh_tool TarnwickRefreshOptions. Prints how many monitors handled it.
#include <cstdio>
#include <string>

#include "common/refresh.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TarnwickRefreshOptions|TarnwickRefreshEvents\n", argv[0]);
        return 2;
    }
    std::printf("%d\n", tarnwick::BroadcastRefresh(argv[1]));
    return 0;
}
