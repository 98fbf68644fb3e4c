#include "platform/process.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

namespace tarnwick::platform {
namespace {

long ResidentPages() {
    long size = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident;
}

// Four megabytes freed behind a block still in use stay with the allocator until they are
// given back; the block in use keeps its contents.
TEST(ReturnFreedMemory, GivesFreedPagesBackAndKeepsWhatIsInUse) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's allocator keeps pages of its own";
#endif
    constexpr std::size_t kBlock = 16 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks(257);
    for (auto& block : blocks) {
        block.reset(new char[kBlock]);
        std::memset(block.get(), 'x', kBlock);
    }
    blocks.erase(blocks.begin(), blocks.end() - 1);
    const long before = ResidentPages();
    ReturnFreedMemory();
    EXPECT_LT(ResidentPages(), before - 512);  // at least half of the four megabytes
    EXPECT_EQ(blocks.back()[kBlock - 1], 'x');
}

}  // namespace
}  // namespace tarnwick::platform
