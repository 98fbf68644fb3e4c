#pragma once

namespace tarnwick {

// The platform number both programs branch on, as the settings and texts know it: 1 Win32s,
// 2 the Windows 95 family, 3 the NT family, -1 anything else. Linux reports 3 because it has
// what that family has: idle-time counters, per-window opacity and privileged power actions.
constexpr int kPlatformWin32s = 1;
constexpr int kPlatformWindows9x = 2;  // no window opacity, no idle-time counters
constexpr int kPlatformNt = 3;
constexpr int kPlatformOther = -1;

int GetPlatform();

}  // namespace tarnwick
