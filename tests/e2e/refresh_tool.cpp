// Sends refresh requests to every running monitor, as the settings program does:
// refresh_tool TarnwickRefreshOptions [TarnwickRefreshEvents]. Prints how many monitors
// handled them all.
#include <cstdio>
#include <string>
#include <vector>

#include "common/refresh.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TarnwickRefreshOptions|TarnwickRefreshEvents...\n",
                     argv[0]);
        return 2;
    }
    std::printf("%d\n",
                tarnwick::BroadcastRefresh(std::vector<std::string>(argv + 1, argv + argc)));
    return 0;
}
