#!/usr/bin/env bash
# Crash safety: each settings writer (profile with its index, macro library, statistics, language
# number, export, import) runs in a loop and is killed with SIGKILL at a random moment, many
# times. After each kill the next start must find every file whole and of one version, the
# profile, index and library of an import from one set, and nothing left behind but the killed
# writer's own temporary files (which the next start's sweep removes).
#   crash_safety.sh CRASH_WRITER [--long]     (the suite runs the short campaign)
set -uo pipefail
writer=$1
rounds=6
[[ ${2:-} == --long ]] && rounds=200
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

for kind in profile macro statistics language export import; do
  data=$work/$kind
  mkdir -p "$data"
  for ((round = 1; round <= rounds; round++)); do
    "$writer" write "$kind" "$data" >"$work/out" 2>&1 &
    pid=$!
    for ((wait = 0; wait < 200; wait++)); do
      grep -q writing "$work/out" 2>/dev/null && break
      sleep 0.05
    done
    # Anywhere in a pass: the passes of the big files take some milliseconds each.
    sleep "0.$(printf '%03d' $((RANDOM % 120)))"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if ! "$writer" check "$kind" "$data" >"$work/check" 2>&1; then
      fail "$kind round $round: $(cat "$work/check")"
    fi
    while IFS= read -r -d '' left; do
      case $left in
        *.tmp-"$pid"-*) rm -f "$left" ;;  # the killed writer's own: swept at the next start
        *) fail "$kind round $round: left behind: $left" ;;
      esac
    done < <(find "$data" \( -name '*.tmp-*' -o -name '*.pending' -o -name 'Replace.journal' \) -print0)
  done
  echo "$kind: $rounds kills, $(cat "$work/check" | tr '\n' ' ')"
done

[[ $failures -eq 0 ]] && echo "crash safety: all checks passed"
exit $((failures > 0))
