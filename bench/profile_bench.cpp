// Reading and writing the profile files as the programs do it, on real files in /tmp.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "common/profile_file.h"
#include "platform/files.h"

namespace {

std::string TempPath(const std::string& name) {
    static const std::string folder = [] {
        char pattern[] = "/tmp/tarnwick-bench-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return folder + "/" + name;
}

// A settings file as the settings program leaves it: about 40 lines.
std::string TypicalSettingsFile() {
    std::string text = "[main]\n";
    for (const char* key : {"popup", "snap", "snapvalue", "transparent", "mode", "bolt", "info",
                            "infoshow", "infohide", "onecopy", "autorun", "icons", "iconstime",
                            "lowprior", "x", "y", "visible"}) {
        text += std::string(key) + "=1\n";
    }
    text += "[skins]\nskinpath=/usr/lib/tarnwick/skins/\nactive=/usr/lib/tarnwick/skins/a.skin\n";
    text += "random=0\n";
    for (int i = 1; i <= 3; ++i) {
        text += "[indicator" + std::to_string(i) + "]\ntype=1\ntime=500\nvisible=1\n";
    }
    return text;
}

std::string EventsFile(int count) {
    std::string text = "[main]\ncount=" + std::to_string(count) + "\n";
    for (int n = 1; n <= count; ++n) {
        const std::string id = std::to_string(n);
        text += "[event" + id + "]\nname=Event " + id +
                "\nevent=0\nbiglit=0\nvalue=90\nmeasure=0\nhour=0\nmin=5\nsec=0\naction=1\n"
                "execute=2\nactive=1\n[action" +
                id +
                "]\nautotext=1\nlinescount=0\nsound=1\nfreq=1500\ntime=500\npause=1000\n"
                "loop=count\nloopcount=3\n";
    }
    return text;
}

void ReadOneKey(benchmark::State& state) {
    const std::string path = TempPath("read.cfg");
    tarnwick::platform::ReplaceFileAtomically(path, TypicalSettingsFile());
    for (auto _ : state) {
        const tarnwick::ProfileText file = tarnwick::LoadProfile(path);
        benchmark::DoNotOptimize(tarnwick::ReadInteger(file, "indicator3", "time", 500));
    }
}
BENCHMARK(ReadOneKey)->Unit(benchmark::kMicrosecond);

void WriteOneKey(benchmark::State& state) {
    const std::string path = TempPath("write.cfg");
    tarnwick::platform::ReplaceFileAtomically(path, TypicalSettingsFile());
    int value = 0;
    for (auto _ : state) {
        tarnwick::WriteProfileInteger(path, "indicator3", "time", ++value % 30000);
    }
}
BENCHMARK(WriteOneKey)->Unit(benchmark::kMicrosecond);

void ReadAllKeysOf1000Events(benchmark::State& state) {
    const std::string path = TempPath("events.cfg");
    tarnwick::platform::ReplaceFileAtomically(path, EventsFile(1000));
    for (auto _ : state) {
        const tarnwick::ProfileText file = tarnwick::LoadProfile(path);
        const int count = tarnwick::ReadInteger(file, "main", "count", 0);
        long sum = 0;
        for (int n = 1; n <= count; ++n) {
            const std::string event = "event" + std::to_string(n);
            const std::string action = "action" + std::to_string(n);
            for (const char* key : {"event", "biglit", "value", "measure", "hour", "min", "sec",
                                    "action", "execute", "active"}) {
                sum += tarnwick::ReadInteger(file, event, key, 0);
            }
            sum += static_cast<long>(tarnwick::ReadString(file, event, "name", "").size());
            for (const char* key :
                 {"autotext", "linescount", "sound", "freq", "time", "pause", "loopcount"}) {
                sum += tarnwick::ReadInteger(file, action, key, 0);
            }
            sum += static_cast<long>(tarnwick::ReadString(file, action, "loop", "").size());
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(ReadAllKeysOf1000Events)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
