#!/usr/bin/env bash
# oryn7px-cli macro create: the page's store rules from the command line, and bad input refused
# with nothing stored.
set -uo pipefail
. "$(dirname "$0")/cli_common.sh"
matches() { [[ $1 =~ $2 ]]; }
truncate -s 2052000 "$data/Macro.cfg"
# A library and an index, so the store prints no first-start notes.
printf '\x02\x00\x00\x00' >"$data/Language.cfg"
run export "$work/all.cfg" >/dev/null 2>&1
run import "$work/all.cfg" >/dev/null 2>&1

# Leading delays dropped, delays that meet merged, keys by name in any case or by number.
run macro create Reload delay:500 down:r delay:100 delay:50 up:R move:-3,5 down:0x01 up:L_Ctrl >"$work/reload.out" 2>"$work/reload.err"
check "create exits 0" [ $? -eq 0 ]
id=$(head -1 "$work/reload.out")
check "create prints the new ID in category 22" matches "$id" '^0x16[0-9A-F]{6}$'
check "create prints the stored lines" diff <(tail -n +2 "$work/reload.out") - <<'OUT'
  down  R
  delay  150  ms
  up  R
  move  (-3, 5)
  down  Left Button
  up  L_Ctrl
OUT
run macro show "$id" --json >"$work/reload.json"
check "the stored macro" python3 - "$work/reload.json" <<'PY'
import json, sys
m = json.load(open(sys.argv[1]))
assert m["szName"] == "Reload", m
assert m["dwRepeat"] == 1 and m["dwMagic"] == 0xE8E80010
assert [(e["kind"], e["value"]) for e in m["events"]] == [
    ("key down", 0x52), ("delay", 150), ("key up", 0x52), ("move", 0x005803), ("key down", 1), ("key up", 0xA2)], m["events"]
assert m["dwSize"] == 4100 + 4 * 7, m["dwSize"]
PY

# Repeat modes, play counts tidied, other categories.
id3=$(run macro create "Buy AK" --category 3 --repeat 0xFFFE down:b up:b 2>/dev/null | head -1)
check "category 3 lists the new macro" sh -c "'$cli' --data-dir '$data' macro list --category 3 | grep -q '$id3  Buy AK'"
check "repeat 0xFFFE is kept" sh -c "'$cli' --data-dir '$data' macro show $id3 --json | grep -q '\"dwRepeat\": 65534'"
id0=$(run macro create Once --repeat 0 down:a up:a 2>/dev/null | head -1)
check "a repeat of 0 plays once" sh -c "'$cli' --data-dir '$data' macro show $id0 --json | grep -q '\"dwRepeat\": 1,'"
idcap=$(run macro create Long down:a delay:300000 delay:300000 up:a 2>/dev/null | head -1)
check "merged delays stop at 327670 ms" sh -c "'$cli' --data-dir '$data' macro show $idcap | grep -q 'delay  327670'"
check "names of 39 characters are fine" [ "$(status_of run macro create "$(printf 'x%.0s' {1..39})" down:a)" -eq 0 ]

# Refused: nothing stored, the library file untouched.
before=$(md5sum <"$data/Macro.cfg")
for args in "Bad down:nokey" "Bad down" "Bad delay:x" "Bad move:200,0" "Bad move:1" "Bad jump:1" "Bad" \
            "$(printf 'x%.0s' {1..40}) down:a" "Bad --category 23 down:a" "Bad --category 0 down:a" \
            "Bad --repeat 70000 down:a" "Bad --repeat -1 down:a" "Bad --seconds 3 down:a"; do
  # shellcheck disable=SC2086
  check "refused with usage status: $args" [ "$(status_of run macro create $args)" -eq 2 ]
done
check "an empty name is refused" [ "$(status_of run macro create "" down:a)" -eq 2 ]
moves=$(for _ in $(seq 128); do printf 'move:1,1 '; done)
# shellcheck disable=SC2086
run macro create Huge $moves >/dev/null 2>"$work/huge.err"
check "a macro too long for the mouse fails" [ $? -eq 1 ]
check "and says why" grep -q "too long for the mouse" "$work/huge.err"
check "refusals stored nothing" [ "$(md5sum <"$data/Macro.cfg")" = "$before" ]

# Recording needs a display.
env -u DISPLAY "$cli" --data-dir "$data" macro record Typed --seconds 1 >/dev/null 2>"$work/record.err"
check "record without a display exits 1" [ $? -eq 1 ]
check "and says so" grep -q "no display" "$work/record.err"
check "record help" sh -c "'$cli' macro record --help | grep -q skip-delays"
check "create help" sh -c "'$cli' macro create --help | grep -q 'move:X,Y'"

[ "$failures" -eq 0 ] && echo "macro create: all checks passed"
exit $((failures > 0))
