#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/figures.h"
#include "platform/files.h"
#include "platform/notifications.h"
#include "platform/power.h"
#include "platform/pressure.h"
#include "platform/process.h"
#include "platform/processes.h"
#include "platform/sound.h"

namespace tarnwick::platform {
namespace {

// The stub keeps the promises the programs rely on: files are replaced whole, and a machine
// it knows nothing of reads as empty rather than as garbage.
TEST(NullPlatform, ReplacesFilesWholeAndKnowsNothingOfTheMachine) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/a.cfg";
    ASSERT_TRUE(ReplaceFileAtomically(path, "[main]\nx=1\n"));
    ASSERT_TRUE(ReplaceFileAtomically(path, "[main]\nx=2\n"));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, "[main]\nx=2\n");
    EXPECT_FALSE(ReadWholeFile(dir.path().toStdString(), bytes));  // a folder is no file
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReplaceFileAtomically(dir.path().toStdString() + "/missing/a.cfg", "x"));

    MemoryStatus status{1, 1, 1, 1, 1, 1};
    MakeSystemMemoryFigures()->ReadMemoryStatus(status);
    EXPECT_EQ(status.totalPhys, 0);
    std::int64_t idle = 0;
    EXPECT_FALSE(MakeSystemProcessorFigures()->ReadIdleTime(idle));
    EXPECT_EQ(MakeSystemTones()->Open(), nullptr);
    EXPECT_FALSE(MakeSystemLoginManager()->Reachable());
    std::int32_t share = 0;
    EXPECT_FALSE(MakeSystemPressureFigures()->ReadSomeShare(StallResource::Memory, share));
    EXPECT_TRUE(RuntimeFolder().empty());
}

// A culprit asked of it is unknown, and a notification goes back at once for the box.
TEST(NullPlatform, HasNoProcessTableAndNoNotificationService) {
    const std::unique_ptr<ProcessTable> table = MakeSystemProcessTable();
    ProcessTableReading reading;
    reading.readable = true;
    table->Read({true, true, true, true}, reading);
    EXPECT_FALSE(reading.readable);
    EXPECT_EQ(table->Name(1), std::nullopt);

    std::optional<std::optional<std::uint32_t>> answer;
    MakeSystemNotifications(QStringLiteral("Tarnwick"), QStringLiteral("icon"))
        ->Notify(QStringLiteral("High load"), QStringLiteral("text"),
                 [&](std::optional<std::uint32_t> id) { answer = id; });
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(answer->has_value());
}

}  // namespace
}  // namespace tarnwick::platform
