#!/usr/bin/env bash
# Where a running process's wake-ups come from: for each of its threads, how often it was
# scheduled in per second (the third field of /proc/PID/task/TID/schedstat) and its processor
# time in % of one core (the first), over SECS seconds (default 20), by thread name. Threads
# that start or end within the window are left out.
# Usage: tools/wakeups.sh PID [SECS]
set -euo pipefail
pid=${1:?usage: tools/wakeups.sh PID [SECS]}
seconds=${2:-20}
[ -d /proc/"$pid"/task ] || { echo "no process $pid" >&2; exit 2; }

# "tid name run_ns switches" for each thread alive now.
sample() {
  local task
  for task in /proc/"$pid"/task/*; do
    # A thread may end between the listing and the reading.
    printf '%s %s %s\n' "${task##*/}" "$(tr ' ' _ <"$task/comm" 2>/dev/null)" \
      "$(cut -d' ' -f1,3 "$task/schedstat" 2>/dev/null)"
  done
}

before=$(sample)
sleep "$seconds"
[ -d /proc/"$pid"/task ] || { echo "process $pid ended within the window" >&2; exit 1; }
after=$(sample)
rows=$(awk -v s="$seconds" 'NR == FNR {ns[$1] = $3; n[$1] = $4; next}
  ($1 in n) && NF == 4 {printf "%-7s %-18s %10.1f %8.3f\n", $1, $2, ($4 - n[$1]) / s,
                        100 * ($3 - ns[$1]) / (s * 1e9)}' <(echo "$before") <(echo "$after") |
  sort -k3,3gr)
printf '%-7s %-18s %10s %8s\n' tid thread wake-ups/s cpu-%
echo "$rows"
awk '{w += $3; t += $4} END {printf "%-7s %-18s %10.1f %8.3f\n", "", "all", w, t}' <<<"$rows"
