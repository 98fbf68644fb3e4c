#!/usr/bin/env bash
# Accuracy of the processor load: keeps one core busy with a busy loop, samples the load as
# the monitor does (every 100 ms, ten samples averaged per second) and sets it against
# `vmstat 1` over the same seconds. Usage: tools/cpu-accuracy.sh [build folder] [seconds]
# The load is only near 50 % on a two-core machine that is otherwise quiet; the comparison
# with vmstat holds whatever else runs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-10}

if ! command -v vmstat >/dev/null; then
  echo "vmstat is missing (Debian package procps)" >&2
  exit 1
fi
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja >/dev/null
probe="$build/bin/cpu_probe"
if ! cmake --build "$build" --target cpu_probe >"$build/cpu_probe.log" 2>&1; then
  [ -x "$probe" ] || { cat "$build/cpu_probe.log" >&2; exit 1; }
  echo "(build failed, see $build/cpu_probe.log; measuring with the probe built before)"
fi
echo "processors: $(nproc)"

work=$(mktemp -d)
busy=
cleanup() {
  [ -n "$busy" ] && kill "$busy" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

( while :; do :; done ) &
busy=$!
sleep 1  # let the busy loop settle on its core

# vmstat's first report is the average since boot; the next ones cover one second each.
vmstat -n 1 $((seconds + 1)) >"$work/vmstat" &
vmstat_pid=$!
"$probe" "$seconds" >"$work/probe"
wait "$vmstat_pid"
kill "$busy" 2>/dev/null || true
busy=

# vmstat's load is what is neither idle nor waiting for I/O: the sampler counts I/O wait as
# idle too.
awk '
  NR == FNR {
    if ($1 == "r") { for (i = 1; i <= NF; i++) col[$i] = i; next }
    if ($1 ~ /^[0-9]+$/ && ++line > 1) vm[line - 1] = 100 - $(col["id"]) - $(col["wa"])
    next
  }
  {
    tw = $2; v = vm[$1]; d = tw - v; if (d < 0) d = -d
    printf "second %2d: tarnwick %5.1f %%  vmstat %3d %%  difference %4.1f\n", $1, tw, v, d
    n++; sumtw += tw; sumvm += v; if (d > maxd) maxd = d
    if (tw < 45 || tw > 55) outside++
  }
  END {
    printf "mean: tarnwick %.1f %%, vmstat %.1f %%, largest difference %.1f points\n", sumtw / n, sumvm / n, maxd
    printf "seconds outside 45..55 %%: %d of %d; %s\n", outside, n, maxd <= 5 ? "agrees with vmstat within 5 points" : "differs from vmstat by more than 5 points"
  }
' "$work/vmstat" "$work/probe"
