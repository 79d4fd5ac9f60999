#!/usr/bin/env bash
# oryn7px-cli lighting: edits through the page's rules, the saved profile, refusals that change
# nothing, and the effect named by show.
set -uo pipefail
. "$(dirname "$0")/cli_common.sh"
field() { python3 "$(dirname "$0")/lighting_fields.py" "$1" "$2"; }
run show >/dev/null 2>&1
p1=$data/Profile/Profile1.cfg

run lighting --effect 1 --brightness 8 --color single=swatch:12 --touch 2 >"$work/out" 2>"$work/err"
check "steady light with a swatch exits 0" [ $? -eq 0 ]
check "swatch stored with its value, index and source 0" \
  [ "$(field "$p1" "(mode, p1, hex(colours[4]), preset[4], source[4], touch)")" = "(1, 8, '0xf80024', 12, 0, 2)" ]
check "the printout names the effect" grep -q "effect 1 (steady light)" "$work/out"
check "the printout shows the swatch" grep -q "single #2400F8 (swatch 12)" "$work/out"

run lighting --color single=#102030 >/dev/null 2>&1
check "a hex colour is stored red first with source 1" \
  [ "$(field "$p1" "(hex(colours[4]), source[4], preset[4])")" = "('0x302010', 1, 12)" ]

run lighting --effect 5 --own-colors on --color 2=swatch:3 --color 4=#00FF00 --speed 3 >/dev/null 2>&1
check "own colours of effect 5" \
  [ "$(field "$p1" "(mode, option, hex(colours[1]), source[1], preset[1], hex(colours[3]), source[3], p5)")" = \
    "(5, 1, '0xedf9', 0, 3, '0xff00', 1, 3)" ]
check "show names the effect" sh -c "'$cli' --data-dir '$data' show | grep -q 'effect 5 (colour cycle), own colours on'"

# Refusals: exit 2, a usage line, and the file as it was.
before=$(md5sum "$p1")
for args in "--effect 7" "--effect 0" "--brightness 11" "--breathing-speed 0" "--speed 4" "--touch 3" \
            "--own-colors maybe" "--color 5=#FFFFFF" "--color 1=#FFFFF" "--color 1=red" "--color 1=swatch:26" \
            "--color single=#12345G" "--effect" "--effect 1x" "--profile 6" "--color 1=swatch:-1" "stray"; do
  # shellcheck disable=SC2086
  check "refused: $args" [ "$(status_of run lighting $args)" -eq 2 ]
  # shellcheck disable=SC2086
  check "usage line for: $args" sh -c "'$cli' --data-dir '$data' lighting $args 2>&1 | grep -q '^usage: oryn7px-cli lighting'"
done
# The page's rules: the single colour belongs to effects 1 and 2, own colours need them switched on.
check "single colour refused in effect 5" [ "$(status_of run lighting --color single=#FFFFFF)" -eq 2 ]
check "own colour refused in effect 2" [ "$(status_of run lighting --effect 2 --color 1=#FFFFFF)" -eq 2 ]
check "own colours refused outside effect 5" [ "$(status_of run lighting --effect 3 --own-colors on)" -eq 2 ]
check "profile unchanged after refusals" [ "$before" = "$(md5sum "$p1")" ]

run lighting --profile 3 --effect 6 --touch 0 >/dev/null 2>&1
check "--profile 3 edits Profile3.cfg" [ "$(field "$data/Profile/Profile3.cfg" "(mode, touch)")" = "(6, 0)" ]
check "--profile 3 leaves profile 1" [ "$before" = "$(md5sum "$p1")" ]
check "--profile 3 leaves the active profile" sh -c "'$cli' --data-dir '$data' show 2>/dev/null | grep -q '^Profile 1'"

printf 'garbage' >"$data/Profile/Profile2.cfg"
check "an invalid profile file is refused" [ "$(status_of run lighting --profile 2 --effect 1)" -eq 1 ]
check "lighting --help" sh -c "'$cli' lighting --help | grep -q usage"

[ "$failures" -eq 0 ] && echo "all checks passed"
exit $((failures > 0))
