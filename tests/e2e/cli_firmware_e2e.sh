#!/usr/bin/env bash
# oryn7px-cli firmware check/download against a local HTTP server and the virtual mouse (firmware 103).
set -uo pipefail
cli_built=$1
work=$(mktemp -d)
server_pid=
trap '[ -n "$server_pid" ] && kill "$server_pid"; rm -rf "$work"' EXIT
failures=0
check() {  # description, command...
  local what=$1; shift
  if ! "$@"; then echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}

# The CLI in a program folder of its own, so the update folder beside it is this test's.
mkdir -p "$work/program" "$work/data" "$work/site"
cp "$cli_built" "$work/program/oryn7px-cli"
cli=$work/program/oryn7px-cli
image_path=$work/program/FWUpdate/new_version/TavikGameDevice.bin

printf 'firmware 104 image' >"$work/site/fw104.bin"
digest=$(sha256sum "$work/site/fw104.bin" | cut -d' ' -f1)
python3 "$(dirname "$0")/../support/local_http_server.py" "$work/site" "$work/port" &
server_pid=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.05; done
site="http://127.0.0.1:$(cat "$work/port")"

lacks() { ! grep -q "$@"; }  # pattern, files
lacks_controls() { ! LC_ALL=C grep -qF -e $'\e' -e $'\a' -e $'\xe2\x80\xae' -e $'\xc2\x9b' "$@"; }
describe() {  # current, sha256 (may be empty): writes the site's update.xml
  {
    echo "<?xml version=\"1.0\" encoding=\"utf-8\"?><update><firmware>"
    echo "<current>$1</current><newfile>$site/fw104.bin</newfile>"
    [ -n "$2" ] && echo "<sha256>$2</sha256>"
    echo "</firmware></update>"
  } >"$work/site/update.xml"
}
run() {  # the CLI with the local update address; output in $work/out, $work/err; status in $status
  ORYN7PX_UPDATE_URL=$site/update.xml "$cli" --virtual-mouse --data-dir "$work/data" "$@" >"$work/out" 2>"$work/err"
  status=$?
}

describe 104 "$digest"
run firmware check
check "check exits 0" [ "$status" -eq 0 ]
check "check shows the mouse's version" grep -qx "Mouse firmware:   103 (V 1.0.3)" "$work/out"
check "check shows the offered version" grep -qx "Offered firmware: 104 (V 1.0.4)" "$work/out"
check "check shows the image address" grep -qx "Image address:    $site/fw104.bin" "$work/out"
check "check offers the new version" grep -qx "A new version of firmware is available for the gaming mouse, whether to update or not?" "$work/out"
check "check keeps the description in the update folder" cmp -s "$work/site/update.xml" "$work/program/FWUpdate/new_version/update.xml"

describe 103 ""
run firmware check --timeout 5
check "the same version is the latest" grep -qx "Firmware is the latest version." "$work/out"

describe 104 "$digest"
run firmware download
check "download exits 0" [ "$status" -eq 0 ]
check "download prints the image's path" grep -qx "$image_path" "$work/out"
check "the image is the served one" cmp -s "$work/site/fw104.bin" "$image_path"

describe 104 "$(printf '%064d' 0)"
run firmware download
check "a wrong digest fails" [ "$status" -eq 1 ]
check "a wrong digest is a failed download" grep -qx "New-version firmware download failed." "$work/err"
check "a wrong digest says why" grep -q "^oryn7px-cli: the image's SHA-256 is $digest, expected 0\{64\}$" "$work/err"
check "a wrong digest keeps the good image before it" cmp -s "$work/site/fw104.bin" "$image_path"

# Descriptions that cannot be read are errors, and the one stored before stays.
stored=$work/program/FWUpdate/new_version/update.xml
describe 104 "$digest"
run firmware check
cp "$stored" "$work/good.xml"
bad_descriptions=(
  ""
  "garbage, not XML"
  "<?xml version=\"1.0\"?><update><firmware><current>105</current><newfile>$site/fw"
  "<update><software><current>105</current></software></update>"
  "<update><firmware><newfile>$site/fw104.bin</newfile></firmware></update>"
  "<update><firmware><current>105abc</current></firmware></update>"
  "<update><firmware><current>105.5</current></firmware></update>"
  "<update><firmware><current>1e3</current></firmware></update>"
)
for body in "${bad_descriptions[@]}"; do
  printf '%s' "$body" >"$work/site/update.xml"
  for verb in check download; do
    run firmware "$verb"
    check "$verb of '$body' fails" [ "$status" -eq 1 ]
    check "$verb of '$body' says why" grep -q "^oryn7px-cli: the update description cannot be read" "$work/err"
    check "$verb of '$body' claims no latest version" lacks 'latest version' "$work/out"
    check "$verb of '$body' keeps the description before" cmp -s "$work/good.xml" "$stored"
  done
done

# Nothing from the server reaches the terminal raw: ESC, CSI and a right-to-left override.
hostile=$'http://127.0.0.1:1/\e]0;pwned\a\e[2J\xe2\x80\xaegpj.exe\xc2\x9b'
printf '<?xml version="1.0" encoding="utf-8"?><update><firmware><current>104</current><newfile>%s</newfile></firmware></update>' \
  "$hostile" >"$work/site/update.xml"
run firmware check
check "a hostile address is still a check" [ "$status" -eq 0 ]
check "the address is shown escaped" \
  grep -qxF 'Image address:    http://127.0.0.1:1/\x1B]0;pwned\x07\x1B[2J\u202Egpj.exe\x9B' "$work/out"
check "no ESC, BEL, CSI or override reaches the terminal" lacks_controls "$work/out" "$work/err"

rm "$work/site/update.xml"
run firmware check
check "a missing description fails the check" [ "$status" -eq 1 ]
check "a missing description says why" grep -q "cannot download $site/update.xml: HTTP 404" "$work/err"
run firmware download
check "a missing description fails the download" [ "$status" -eq 1 ]
check "a missing description is a failed download" grep -qx "New-version firmware download failed." "$work/err"
check "a missing description says why in the download" grep -q "cannot download $site/update.xml: HTTP 404" "$work/err"

run firmware check --timeout 0
check "a zero timeout is bad usage" [ "$status" -eq 2 ]
run firmware flash
check "an unknown verb is bad usage" [ "$status" -eq 2 ]

[ "$failures" -eq 0 ] && echo "cli firmware: all checks passed"
exit "$failures"
