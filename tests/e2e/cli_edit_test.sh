#!/usr/bin/env bash
# oryn7px-cli dpi, pointer and button: each edit saves the profile and prints the new state;
# refusals exit 1 and change no file; malformed arguments exit 2.
set -uo pipefail
. "$(dirname "$0")/cli_common.sh"
field() {  # field PROFILE_NUMBER PYTHON_EXPRESSION over d (show --json)
  run show --profile "$1" --json 2>/dev/null | python3 -c "import json,sys; d=json.load(sys.stdin); print($2)"
}
files() { md5sum "$data"/Profile/*.cfg; }
run show >/dev/null 2>&1
python3 - "$work/jump.cfg" <<'PY'
import struct, sys
events = [0xC0000041, 0xA0000032, 0xE0000041]
name = "Jump".encode("utf-16-le")
entry = struct.pack("<6I", 4104, 0xE8E80010, 0x16001234, 0, 1, len(events))
entry += struct.pack("<1000I", *(events + [0] * 997)) + name + b"\0" * (80 - len(name))
open(sys.argv[1], "wb").write(entry)
PY
run macro import "$work/jump.cfg" >/dev/null 2>&1

# Edits: the printed state and the saved file agree.
check "dpi 3 off prints the table" sh -c "'$cli' --data-dir '$data' dpi 3 off | grep -q '3  1000 DPI  off  255'"
check "dpi 3 off is saved" [ "$(field 1 'd["nDpiOrder"]')" = "[0, 1, 255, 2, 3, 4, 5]" ]
check "dpi 2 3200" [ "$(status_of run dpi 2 3200)" -eq 0 ]
check "dpi 2 3200 is stored as 64" [ "$(field 1 'd["nDpiValue"][1]')" = 64 ]
check "dpi 3 on" [ "$(status_of run dpi 3 on)" -eq 0 ]
check "dpi 3 on takes its place in the cycle" [ "$(field 1 'd["nDpiOrder"]')" = "[0, 1, 2, 3, 4, 5, 6]" ]
check "pointer prints the new state" sh -c "'$cli' --data-dir '$data' pointer --speed 15 --precision on --rate 500 --wheel screen --sensor-height 20 | grep -q 'speed 15, enhance precision on, wheel lines -1'"
check "pointer is saved" [ "$(field 1 '[d["nPointerSpeed"], d["bEnhancePrecision"], d["nReportRate"], d["nWheelLines"], d["nSensorHeight"]]')" = "[15, 1, 2, -1, 20]" ]
check "pointer --wheel 7" [ "$(status_of run pointer --wheel 7)" -eq 0 ]
check "wheel lines 7 saved" [ "$(field 1 'd["nWheelLines"]')" = 7 ]
check "button key" sh -c "'$cli' --data-dir '$data' button forward key ctrl+a | grep -q 'Ctrl + A  (function 5, key 0x00040100)'"
check "button key alone modifier" [ "$(status_of run button 5 key shift)" -eq 0 ]
check "shift alone is its own usage" [ "$(field 1 'hex(d["Buttons"][4]["dwKeyValue"])')" = 0xe10000 ]
check "button basic" [ "$(status_of run button middle basic 39)" -eq 0 ]
check "basic function name" [ "$(field 1 'd["Buttons"][1]["szName"]')" = Mute ]
before_index=$(md5sum "$data/Profile/ConfigInfo.cfg" 2>/dev/null)
check "button macro" sh -c "'$cli' --data-dir '$data' button right macro 0x16001234 | grep -q 'Jump  (function 6, macro 0x16001234)'"
check "a macro id change saves the index" [ "$before_index" != "$(md5sum "$data/Profile/ConfigInfo.cfg")" ]
check "macro id in ButtonMacroId" [ "$(field 1 'd["ButtonMacroId"][2]')" = 369103412 ]
touch "$work/ding.wav"
check "button host sound" [ "$(status_of run button wheel-up host sound "$work/ding.wav")" -eq 0 ]
check "host action stored" [ "$(field 1 '[d["Buttons"][5]["nFunction"], hex(d["Buttons"][5]["dwKeyFunction"]), hex(d["Buttons"][5]["dwHostValue"])]')" = "[19, '0xc0', '0xc50006']" ]
check "button disable" [ "$(status_of run button 7 disable)" -eq 0 ]
check "disabled name" [ "$(field 1 'd["Buttons"][6]["szName"]')" = "Disable key" ]
check "button default" [ "$(status_of run button 7 default)" -eq 0 ]
check "default back" [ "$(field 1 'd["Buttons"][6]["nFunction"]')" = 22 ]
check "--profile 2 edits profile 2" [ "$(status_of run dpi --profile 2 1 100)" -eq 0 ]
check "profile 2 saved" [ "$(field 2 'd["nDpiValue"][0]')" = 2 ]
check "profile 1 stays the active one" sh -c "'$cli' --data-dir '$data' show --json 2>/dev/null | grep -q '\"profile\": 1'"

# Refusals: exit 1, message in the chosen language, no file changed.
refused() {  # refused DESCRIPTION EXPECTED_TEXT ARGS...
  local what=$1 text=$2; shift 2
  local before; before=$(files; md5sum "$data/Profile/ConfigInfo.cfg")
  "$cli" --data-dir "$data" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  check "$what exits 1" [ "$status" -eq 1 ]
  check "$what says why" grep -qF "$text" "$work/err"
  check "$what changes no file" [ "$before" = "$(files; md5sum "$data/Profile/ConfigInfo.cfg")" ]
}
for level in 2 3 4 5 6 7; do run dpi "$level" off >/dev/null 2>&1; done
refused "turning off the last DPI level" "At least one DPI level must stay on." dpi 1 off
refused "a DPI value for a level that is off" "This DPI level is off" dpi 4 800
refused "the only Click button" "At least one button must be configured as 'Left click'!" button left basic 2
refused "the only Click button (Chinese)" "请保留至少一个键为\"单击\"功能!" --lang 1 button left basic 2
refused "SNIPE on wheel down" "This key can not use the sniper function!" button wheel-down basic 142
refused "a host action on the DPI button" "cannot run an action" button dpi host file "$work/ding.wav"
refused "a host action with a missing file" "does not exist" button back host program "$work/none"
refused "a folder that is a file" "does not exist" button back host folder "$work/ding.wav"
long_path=$work/$(printf 'p%.0s' $(seq 1 $((266 - ${#work} - 1))))
printf '#!/bin/sh\n' >"$long_path" && chmod +x "$long_path"
refused "a host path longer than the record holds" "longer than 259 characters" button back host program "$long_path"
# Names and delays the records or the mouse cannot hold whole are refused, never cut or dropped.
library_before=$(md5sum "$data/Macro.cfg")
for name in "" "$(printf 'n%.0s' $(seq 40))" "$(printf 'n%.0s' $(seq 500))"; do
  check "macro rename to ${#name} characters exits 1" [ "$(status_of run macro rename 0x16001234 "$name")" -eq 1 ]
done
check "the refused renames left the library" [ "$library_before" = "$(md5sum "$data/Macro.cfg")" ]
run macro create long down:a delay:16777215 up:a >/dev/null 2>"$work/err"
check "macro create with a delay over the limit is refused" [ $? -eq 2 ]
check "and says which delays fit" grep -q "bad event delay:16777215 (.*MS up to 327670" "$work/err"
check "and the library stays" [ "$library_before" = "$(md5sum "$data/Macro.cfg")" ]
refused "an unknown macro" "No macro has the ID" button back macro 0x16009999
refused "modifiers without a key" "chooses no key" button back key ctrl+shift
run button back macro 0x16001234 >/dev/null 2>&1
run button wheel-up macro 0x16001234 >/dev/null 2>&1
run button forward macro 0x16001234 >/dev/null 2>&1
refused "a fifth macro" "Maximum 4 macros" button middle macro 0x16001234

# Malformed arguments: exit 2 with a usage line.
for args in "dpi 8 on" "dpi 1 75" "dpi 1 7250" "dpi 1" "dpi --profile 6 1 on" "pointer" "pointer --speed 21" \
            "pointer --rate 300" "pointer --wheel 31" "pointer --precision yes" "button 9 default" "button left" \
            "button left basic 3" "button left key ctrl+nokey" "button left key a+b" "button left host music x" \
            "button left frobnicate"; do
  check "usage: $args" [ "$(status_of run $args)" -eq 2 ]
  check "usage line: $args" sh -c "'$cli' --data-dir '$data' $args 2>&1 | grep -q usage"
done
for args in "dpi --help" "pointer --help" "button --help"; do
  check "help: $args" sh -c "'$cli' $args | grep -q usage"
done

[ "$failures" -eq 0 ] && echo "all checks passed"
exit $((failures > 0))
