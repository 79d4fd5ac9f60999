#!/usr/bin/env bash
# oryn7px-cli macro record: keys typed with xdotool become a stored macro, as the page records them.
set -u
. "$(dirname "$0")/common.sh"
data=$work/data
mkdir -p "$data"
truncate -s 2052000 "$data/Macro.cfg"

start_record() {  # name, options...
  local name=$1; shift
  "$cli" --data-dir "$data" macro record "$name" "$@" > "$work/$name.out" 2> "$work/$name.err" &
  pids+=($!)
  wait_for "$work/$name.err" 'recording keys' || fail "$name: record did not start: $(cat "$work/$name.err")"
}

# 1. With delays, stopped by its time limit.
start_record Typed --seconds 3
xdotool keydown a sleep 0.3 keyup a sleep 0.2 key b
wait "${pids[-1]}" || fail "Typed: record did not exit 0: $(cat "$work/Typed.err")"
id=$(head -1 "$work/Typed.out")
[[ $id =~ ^0x16[0-9A-F]{6}$ ]] || fail "Typed: no ID printed: $(cat "$work/Typed.out")"
grep -E '^  (down|up)  ' "$work/Typed.out" | tr -s ' ' > "$work/keys"
printf ' down A\n up A\n down B\n up B\n' | diff - "$work/keys" || fail "Typed: wrong key lines"
delays=$(grep -c '^  delay  ' "$work/Typed.out")
[ "$delays" -eq 3 ] || fail "Typed: expected a delay between each two keys, got $delays"
held=$(grep '^  delay  ' "$work/Typed.out" | head -1 | awk '{print $2}')
[ "$held" -ge 250 ] && [ "$held" -le 1500 ] || fail "Typed: the held A lasted $held ms"
"$cli" --data-dir "$data" macro show "$id" | grep -q "Typed" || fail "Typed: not in the library"

# 2. Skipping delays, stopped by Ctrl+C; the category is the one asked for.
start_record Quick --category 5 --skip-delays --seconds 30
xdotool key x key y
sleep 0.5
kill -INT "${pids[-1]}"
wait "${pids[-1]}" || fail "Quick: Ctrl+C did not end the recording cleanly"
id=$(head -1 "$work/Quick.out")
[[ $id =~ ^0x05 ]] || fail "Quick: not in category 5: $id"
grep -q '^  delay' "$work/Quick.out" && fail "Quick: delay lines despite --skip-delays"
[ "$(grep -cE '^  (down|up)  ' "$work/Quick.out")" -eq 4 ] || fail "Quick: expected 4 key lines: $(cat "$work/Quick.out")"

# 3. Nothing pressed: nothing stored.
"$cli" --data-dir "$data" macro record Empty --seconds 1 >/dev/null 2>"$work/Empty.err" && fail "Empty: exit 0 without keys"
grep -q "nothing stored" "$work/Empty.err" || fail "Empty: no reason given"

[ "$failures" -eq 0 ] && echo "macro record end-to-end: all checks passed"
exit $((failures > 0))
