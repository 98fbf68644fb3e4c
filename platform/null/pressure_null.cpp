// A machine without pressure figures: nothing is offered, so no pressure event ever fires.
#include "platform/pressure.h"

namespace tarnwick::platform {

namespace {

class NullPressureFigures final : public PressureFigures {
public:
    bool ReadSomeShare(StallResource, std::int32_t&) override { return false; }
};

}  // namespace

std::unique_ptr<PressureFigures> MakeSystemPressureFigures() {
    return std::make_unique<NullPressureFigures>();
}

}  // namespace tarnwick::platform
