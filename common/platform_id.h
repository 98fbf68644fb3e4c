#pragma once

namespace tarnwick {

// The platform number both programs branch on. The numbers are those of the Windows family
// the programs came from; a Windows layer returns the first three, Linux reports itself as the
// NT family because it has what that family has: idle-time counters, per-window opacity and
// privileged power actions.
constexpr int kPlatformWin32s = 1;
constexpr int kPlatformWindows9x = 2;  // no window opacity, no idle-time counters
constexpr int kPlatformNt = 3;
constexpr int kPlatformOther = -1;

int GetPlatform();

}  // namespace tarnwick
