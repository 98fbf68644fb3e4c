#!/usr/bin/env bash
# What the monitor costs next to two lightweight peers and next to the least a monitor can do:
# conky (a 0.5 s interval with a cpu, a memory and a swap bar and a cpu graph), GKrellM at its
# defaults, and the do-nothing sampler of tools/idle-sampler.c (wakes every 100 ms and reads
# /proc/stat, nothing else; built here with cc). All start at once on one private Xvfb with a
# tray host; after a settling time the same window of SECS seconds is measured for each:
#   cpu       processor time from /proc/PID/task/*/schedstat (run time in nanoseconds, exact
#             even for a program that wakes only briefly), in % of one core;
#   USS       the memory only this process holds (Private_Clean + Private_Dirty), and
#   PSS       its proportional share of all it maps (Pss), both from /proc/PID/smaps_rollup at
#             the end of the window. A library's pages count as private while no other process
#             maps it: with no other Qt program running, Qt's code (some 18 MB) is in the
#             monitor's USS, with one it is not. A desktop runs other programs of each
#             toolkit, and here conky and GKrellM share their X and GTK pages with the tray host
#             (a GTK program) and with each other; so a Qt neighbour runs too, for the monitor's
#             Qt pages: a second monitor with a home of its own, not measured (NEIGHBOUR=0
#             leaves it out and shows the monitor's USS alone);
#   wake-ups  how often its threads were scheduled in (each one a switch of context), per s.
# One line per program, with its cpu and USS ratios to conky.
#
# A benchmark, not a test: it is noisy on a busy machine, installs the two peers from Debian
# when they are missing and does not run in CI.
#
# Usage: tools/compare-peers.sh SECS [SETTING] [RUNS]
#   SETTING  defaults      the monitor without a settings file (two indicators, no tray icon)
#            diagram-tray  the diagram with the processor tray icon at 500 ms
#   RUNS     runs one after the other (default 1); with more than one, the medians of each
#            column follow, and the median of the per-run cpu ratios Tarnwick / conky
# TARNWICK=path picks the monitor binary (default build/bin/Tarnwick); SETTLE=s the time
# before the window (default 5); SHOT=file.png keeps a picture of the screen at its end.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: tools/compare-peers.sh SECS [defaults|diagram-tray] [RUNS]}
setting=${2:-defaults}
runs=${3:-1}
monitor=$(realpath "${TARNWICK:-build/bin/Tarnwick}")
settle=${SETTLE:-5}
case $setting in defaults | diagram-tray) ;; *)
  echo "unknown setting '$setting': defaults or diagram-tray" >&2
  exit 2
  ;;
esac
[ -x "$monitor" ] || { echo "no monitor at $monitor: build it first" >&2; exit 2; }

if ! command -v conky >/dev/null || ! command -v gkrellm >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends conky-std gkrellm
fi

source tools/xsession.sh
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -TERM "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
cc -O2 -o "$work/idle-sampler" tools/idle-sampler.c

write_conky_config() {
  cat >"$1" <<'EOF'
conky.config = {
    out_to_x = true,
    out_to_console = false,
    own_window = true,
    own_window_type = 'normal',
    background = false,
    double_buffer = true,
    update_interval = 0.5,
    alignment = 'top_left',
    gap_x = 300,
    gap_y = 10,
    minimum_width = 150,
};
conky.text = [[
CPU ${cpubar 6}
RAM ${membar 6}
Swap ${swapbar 6}
${cpugraph 30,150}
]];
EOF
}

# A private home per program, so no one reads the user's own settings.
prepare_home() {
  mkdir -p "$work/$1/config" "$work/$1/run"
  chmod 700 "$work/$1/run"
}

start_programs() {
  prepare_home conky
  write_conky_config "$work/conky/conky.conf"
  HOME=$work/conky XDG_CONFIG_HOME=$work/conky/config conky -q -c "$work/conky/conky.conf" &
  pids+=($!)
  conky_pid=$!

  prepare_home gkrellm
  HOME=$work/gkrellm XDG_CONFIG_HOME=$work/gkrellm/config gkrellm >/dev/null 2>&1 &
  pids+=($!)
  gkrellm_pid=$!

  "$work/idle-sampler" &
  pids+=($!)
  sampler_pid=$!

  prepare_home tarnwick
  if [ "$setting" = diagram-tray ]; then
    mkdir -p "$work/tarnwick/config/tarnwick"
    printf '[main]\nmode=1\nicons=1\niconstime=500\n' >"$work/tarnwick/config/tarnwick/tarnwick.cfg"
  fi
  HOME=$work/tarnwick XDG_CONFIG_HOME=$work/tarnwick/config XDG_RUNTIME_DIR=$work/tarnwick/run \
    "$monitor" &
  pids+=($!)
  tarnwick_pid=$!

  if [ "${NEIGHBOUR:-1}" != 0 ]; then
    prepare_home neighbour
    mkdir -p "$work/neighbour/config/tarnwick"
    printf '[main]\nx=600\ny=10\n' >"$work/neighbour/config/tarnwick/tarnwick.cfg"
    HOME=$work/neighbour XDG_CONFIG_HOME=$work/neighbour/config \
      XDG_RUNTIME_DIR=$work/neighbour/run "$monitor" &
    pids+=($!)
  fi
}

# Run time of all threads of a process in nanoseconds, and how often they were scheduled in.
run_time() {
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{sum += $1; n += $3} END {printf "%d %d\n", sum, n}'
}

# Memory of a process in kB: "USS PSS" (private pages only; its share of all pages it maps).
memory_kb() {
  awk '/^Private_(Clean|Dirty):/ {uss += $2} /^Pss:/ {pss = $2} END {print uss, pss}' \
    /proc/"$1"/smaps_rollup
}

names=(conky gkrellm sampler Tarnwick)

# One run: prints "name cpu_percent uss_kb pss_kb wakeups_per_s" for each of names.
one_run() {
  pids=()
  # shellcheck disable=SC2119 # no argument: with the tray host
  start_private_display
  start_programs
  sleep "$settle"
  local ids=("$conky_pid" "$gkrellm_pid" "$sampler_pid" "$tarnwick_pid")
  local before=() after=() memory=() start end i
  for i in "${!ids[@]}"; do
    kill -0 "${ids[i]}" 2>/dev/null || { echo "${names[i]} did not keep running" >&2; exit 1; }
  done
  start=$(date +%s%N)
  for i in "${!ids[@]}"; do before[i]=$(run_time "${ids[i]}"); done  # "ns switches"
  sleep "$seconds"
  if [ -n "${SHOT:-}" ]; then import -window root "$SHOT"; fi
  for i in "${!ids[@]}"; do after[i]=$(run_time "${ids[i]}"); done
  end=$(date +%s%N)
  for i in "${!ids[@]}"; do memory[i]=$(memory_kb "${ids[i]}"); done
  for i in "${!ids[@]}"; do
    awk -v n="${names[i]}" -v b="${before[i]}" -v a="${after[i]}" -v w=$((end - start)) \
      -v m="${memory[i]}" 'BEGIN {split(b, x, " "); split(a, y, " ");
        printf "%s %.4f %s %.1f\n", n, 100 * (y[1] - x[1]) / w, m, (y[2] - x[2]) / (w / 1e9)}'
  done
  for p in "${pids[@]}"; do kill -TERM "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  pids=()
  stop_private_display
}

# Lines "name cpu uss pss wakeups" of one run (or of the medians), with the ratios to conky.
print_table() {
  awk '{name[NR] = $1; cpu[NR] = $2; uss[NR] = $3; pss[NR] = $4; wk[NR] = $5}
       $1 == "conky" {c = $2; u = $3}
       END {for (i = 1; i <= NR; i++)
              printf "%-9s cpu %6.3f %% of a core (%5.2f x conky)   USS %5.1f MB (%5.2f x conky)   PSS %5.1f MB   %5.1f wake-ups/s\n",
                     name[i], cpu[i], (c > 0 ? cpu[i] / c : 0), uss[i] / 1024, (u > 0 ? uss[i] / u : 0),
                     pss[i] / 1024, wk[i]}'
}

median() {
  sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

echo "setting $setting, $seconds s measured after $settle s, monitor $monitor"
all=$work/all.txt
: >"$all"
for run in $(seq "$runs"); do
  one_run >"$work/run.txt"
  cat "$work/run.txt" >>"$all"
  [ "$runs" -gt 1 ] && echo "run $run:"
  print_table <"$work/run.txt"
done
if [ "$runs" -gt 1 ]; then
  echo "median of $runs runs:"
  for name in "${names[@]}"; do
    line=$name
    for column in 2 3 4 5; do
      line+=" $(awk -v n="$name" -v c="$column" '$1 == n {print $c}' "$all" | median)"
    done
    echo "$line"
  done | print_table
  # Tarnwick's ratio in each run, since a noisy machine moves all programs of one run together.
  awk '$1 == "conky" {c = $2} $1 == "Tarnwick" {printf "%.3f\n", $2 / c}' "$all" | median |
    awk '{printf "median of the per-run ratios Tarnwick / conky (cpu): %.2f\n", $1}'
fi
