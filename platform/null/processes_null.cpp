// No process table: every reading is unreadable and no process has a name.
#include "platform/processes.h"

namespace tarnwick::platform {

namespace {

class NullProcessTable final : public ProcessTable {
public:
    void Read(const ProcessFiguresWanted&, ProcessTableReading& into) override {
        into.readable = false;
        into.totalProcessorTime = 0;
        into.processes.clear();
    }
    std::optional<std::string> Name(std::int32_t) override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<ProcessTable> MakeSystemProcessTable() {
    return std::make_unique<NullProcessTable>();
}

}  // namespace tarnwick::platform
