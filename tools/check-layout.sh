#!/usr/bin/env bash
# Checks the shape of the production code (common/, platform/, monitor/, settings/):
#   size      no source file longer than 600 lines: a longer one does more than one job;
#   layering  common/ and platform/ include nothing of monitor/ or settings/: both programs
#             stand on them, not the other way round;
#   lookup    no widget or timer looked up by name (findChild, timer("...") or a function that
#             hands out a QTimer for a name): production code holds its objects as typed
#             members, names are for the tests.
# Every finding is printed as "path:line: rule: text". A finding that tools/layout-allowed.txt
# lists (rule and path) is reported as allowed and does not fail the check; an entry there
# that no longer finds anything fails it, so the entry goes when its reason goes.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly max_lines=600
readonly allowed_file=tools/layout-allowed.txt
readonly folders=(common platform monitor settings)

findings=()

mapfile -t sources < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

for file in "${sources[@]}"; do
  lines=$(wc -l <"$file")
  if [ "$lines" -gt "$max_lines" ]; then
    findings+=("$file:$lines: size: $lines lines, more than $max_lines")
  fi
done

while IFS= read -r hit; do
  findings+=("${hit%%:*}:$(cut -d: -f2 <<<"$hit"): layering: $(cut -d: -f3- <<<"$hit" | sed 's/^ *//')")
done < <(grep -nE '^\s*#\s*include\s*"(monitor|settings)/' -r common platform || true)

lookup='\<findChild(ren)?\>|\<timer\s*\(\s*"|QTimer\s*&\s*[A-Za-z_:]*\(\s*(const\s+)?(char|QString|std::string)'
while IFS= read -r hit; do
  findings+=("${hit%%:*}:$(cut -d: -f2 <<<"$hit"): lookup: $(cut -d: -f3- <<<"$hit" | sed 's/^ *//')")
done < <(grep -nE "$lookup" "${sources[@]}" || true)

# "rule path" pairs the allowance file lists; '#' starts a comment.
allowed=()
if [ -f "$allowed_file" ]; then
  while read -r rule path _; do
    [ -n "${rule:-}" ] && allowed+=("$rule $path")
  done < <(sed 's/#.*//' "$allowed_file")
fi

is_allowed() {
  local entry
  for entry in "${allowed[@]+"${allowed[@]}"}"; do
    [ "$entry" = "$1" ] && return 0
  done
  return 1
}

failed=0
used=()
for finding in "${findings[@]+"${findings[@]}"}"; do
  path=${finding%%:*}
  rule=$(cut -d: -f3 <<<"$finding" | tr -d ' ')
  if is_allowed "$rule $path"; then
    echo "allowed: $finding"
    used+=("$rule $path")
  else
    echo "$finding"
    failed=1
  fi
done

for entry in "${allowed[@]+"${allowed[@]}"}"; do
  found=0
  for done_entry in "${used[@]+"${used[@]}"}"; do
    [ "$done_entry" = "$entry" ] && found=1
  done
  if [ "$found" -eq 0 ]; then
    echo "$allowed_file: '$entry' finds nothing any more: remove it"
    failed=1
  fi
done

echo "largest production files:"
# sed reads to the end, so no step of the pipe stops early and breaks it under pipefail.
wc -l "${sources[@]}" | grep -v ' total$' | sort -rn | sed -n '1,5s/^/  /p'

if [ "$failed" -ne 0 ]; then
  echo "layout check failed"
  exit 1
fi
echo "layout check passed"
