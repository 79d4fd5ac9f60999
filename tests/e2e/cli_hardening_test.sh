#!/usr/bin/env bash
# oryn7px-cli as a hostile or clumsy user would drive it: unreadable, cut-off and non-regular
# files, links to other users' files, commands at the same time and beside the program, a full
# disk, duplicate macro ids and input that must be shown, not obeyed. Parts that need root
# (another user, a tmpfs, a device node) are skipped otherwise.
set -uo pipefail
. "$(dirname "$0")/cli_common.sh"
chmod 755 "$work"  # the other user reads the macro files in it
mounted=""
trap '[[ -n $mounted ]] && umount "$mounted"; rm -rf "$work"' EXIT
root() { [[ $(id -u) -eq 0 ]]; }
# Another user when root can be one (root reads every file), else this one.
as_user() { if root; then setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; else "$@"; fi; }
user_folder() { mkdir -p "$1"; root && chown 65534:65534 "$1"; }
sum() { md5sum "$@" | cut -d' ' -f1 | tr '\n' ' '; }

macro_file() {  # FILE ID NAME
  python3 - "$@" <<'PY'
import struct, sys
path, ident, name = sys.argv[1], int(sys.argv[2], 0), sys.argv[3].encode().decode("unicode_escape")
events = [0xC0000041, 0xE0000041]
raw = name.encode("utf-16-le")
entry = struct.pack("<6I", 4108, 0xE8E80010, ident, 0, 1, len(events))
entry += struct.pack("<1000I", *(events + [0] * 998)) + raw + b"\0" * (80 - len(raw))
open(path, "wb").write(entry)
PY
}
for n in $(seq 1 20); do macro_file "$work/m$n.cfg" $((0x16000100 + n)) "macro $n"; done
chmod 644 "$work"/m*.cfg

# 1. An existing file that cannot be read is never written over, and the user hears which.
if root || [[ $(id -u) -ne 0 ]]; then
  d=$work/unreadable
  user_folder "$d"
  as_user "$cli" --data-dir "$d" macro import "$work/m1.cfg" >/dev/null 2>&1
  as_user "$cli" --data-dir "$d" export "$work/before.cfg" >/dev/null 2>&1
  chmod 000 "$d/Macro.cfg"
  before=$(sum "$d/Macro.cfg")
  as_user "$cli" --data-dir "$d" macro import "$work/m2.cfg" >"$work/out" 2>"$work/err"
  check "import into an unreadable library fails" [ $? -eq 1 ]
  check "it names the file" grep -q "$d/Macro.cfg cannot be read" "$work/err"
  check "the library is untouched" [ "$(sum "$d/Macro.cfg")" = "$before" ]
  check "export of an unreadable library fails" [ "$(status_of as_user "$cli" --data-dir "$d" export "$work/zeros.cfg")" -eq 1 ]
  check "no export with a zero library" [ ! -e "$work/zeros.cfg" ]
  chmod 644 "$d/Macro.cfg"
  chmod 000 "$d/Profile/Profile1.cfg"
  before=$(sum "$d/Profile/Profile1.cfg")
  as_user "$cli" --data-dir "$d" --virtual-mouse apply >/dev/null 2>"$work/err"
  check "apply with an unreadable profile is refused" [ $? -eq 1 ]
  check "apply names the profile" grep -q "Profile1.cfg cannot be read" "$work/err"
  check "the profile is untouched" [ "$(sum "$d/Profile/Profile1.cfg")" = "$before" ]
  chmod 644 "$d/Profile/Profile1.cfg"
  cp "$d/Profile/Profile1.cfg" "$d/Profile/Profile3.cfg"
  chmod 000 "$d/Profile/Profile3.cfg"
  as_user "$cli" --data-dir "$d" show --profile 3 >/dev/null 2>"$work/err"
  check "show --profile 3 of an unreadable file fails" [ $? -eq 1 ]
  check "and says why" grep -q "Profile3.cfg cannot be read" "$work/err"
  chmod 644 "$d/Profile/Profile3.cfg"
  # Every writing command refuses a target it could not read, and leaves it as it is.
  printf 'earlier counts' >"$d/Sts.cfg"
  for case in "Profile/Profile1.cfg|lighting --effect 2" "Profile/Profile1.cfg|dpi 1 800" "Sts.cfg|stats reset --yes"; do
    file=${case%%|*} command=${case#*|}
    chmod 000 "$d/$file"
    before=$(sum "$d/$file")
    # shellcheck disable=SC2086
    as_user "$cli" --data-dir "$d" $command >/dev/null 2>"$work/err"
    check "$command with an unreadable $file is refused" [ $? -eq 1 ]
    check "$command says the change was refused" grep -q "$file cannot be read; the change was refused" "$work/err"
    check "$command leaves $file as it was" [ "$(sum "$d/$file")" = "$before" ]
    chmod 644 "$d/$file"
  done
fi

# 2. Records shorter than their size are refused, and every rejected profile is kept.
d=$work/short
mkdir -p "$d"
"$cli" --data-dir "$d" show >/dev/null 2>&1
printf '\x5a\x02\x80\x80' >"$work/four.cfg"
before=$(sum "$d/Profile/Profile1.cfg")
check "a 4-byte export is refused" [ "$(status_of "$cli" --data-dir "$d" import "$work/four.cfg")" -eq 1 ]
check "the profile stays" [ "$(sum "$d/Profile/Profile1.cfg")" = "$before" ]
head -c 24 "$work/m1.cfg" >"$work/m24.cfg"
check "a 24-byte macro is refused" [ "$(status_of "$cli" --data-dir "$d" macro import "$work/m24.cfg")" -eq 1 ]
cp "$work/four.cfg" "$d/Profile/Profile1.cfg"
"$cli" --data-dir "$d" show --json >"$work/show.json" 2>/dev/null
check "a 4-byte profile is replaced by the defaults" grep -q '"nFunction": 1' "$work/show.json"
printf '\x5a\x02\x80\x80\x01' >"$d/Profile/Profile1.cfg"
"$cli" --data-dir "$d" show >/dev/null 2>&1
check "the first rejected profile is kept" cmp -s "$work/four.cfg" "$d/Profile/Profile1.cfg.invalid"
check "the second one beside it" [ "$(stat -c %s "$d/Profile/Profile1.cfg.invalid.2")" -eq 5 ]

# 3. Only regular files are read or replaced, without blocking.
mkfifo "$work/fifo"
for args in "export $work/fifo" "import $work/fifo" "macro import $work/fifo" "lang info $work/fifo" "lang check $work/fifo"; do
  status=$(status_of timeout 20 "$cli" --data-dir "$d" $args)
  check "$args: refused without blocking (status $status)" [ "$status" -eq 1 ]
done
check "the FIFO is still a FIFO" [ -p "$work/fifo" ]
mv "$d/Macro.cfg" "$work/macro.keep" 2>/dev/null
mkfifo "$d/Macro.cfg"
check "a FIFO as Macro.cfg: refused without blocking" [ "$(status_of timeout 20 "$cli" --data-dir "$d" macro import "$work/m3.cfg")" -eq 1 ]
check "Macro.cfg is still a FIFO" [ -p "$d/Macro.cfg" ]
rm -f "$d/Macro.cfg"
if root; then
  mknod "$work/null" c 1 3
  check "export onto a device node fails" [ "$(status_of "$cli" --data-dir "$d" export "$work/null")" -eq 1 ]
  check "the device node stays" [ -c "$work/null" ]
fi

# 4. Never written through a link to another user's file.
if root; then
  d=$work/links
  mkdir -p "$d"
  head -c 2052000 /dev/zero >"$work/theirs.cfg"
  chown 65534:65534 "$work/theirs.cfg"
  ln -s "$work/theirs.cfg" "$d/Macro.cfg"
  "$cli" --data-dir "$d" macro import "$work/m4.cfg" >/dev/null 2>"$work/err"
  check "import through a link to another user's file fails" [ $? -eq 1 ]
  check "and says so" grep -q "is a link to another user's file, or one another user put there" "$work/err"
  check "their file keeps its owner" [ "$(stat -c %u "$work/theirs.cfg")" -eq 65534 ]
  check "and its content" cmp -s "$work/theirs.cfg" <(head -c 2052000 /dev/zero)
  # Links that another user planted in their own data folder are never followed by root.
  d=$work/planted
  mkdir -p "$d" "$work/roots"
  "$cli" --data-dir "$d" show >/dev/null 2>&1
  printf 'root only' >"$work/roots/secret" && chmod 600 "$work/roots/secret"
  ln -s "$work/roots/secret" "$d/Sts.cfg"
  rm -rf "$d/Profile" && ln -s "$work/roots" "$d/Profile"
  chown -h 65534:65534 "$d" "$d/Sts.cfg" "$d/Profile"
  "$cli" --data-dir "$d" stats reset --yes >/dev/null 2>"$work/err"
  check "root's stats reset through a planted link fails" [ $? -eq 1 ]
  check "and says why" grep -q "Sts.cfg is a link to another user's file, or one another user put there" "$work/err"
  check "root's file is untouched" [ "$(cat "$work/roots/secret")" = "root only" ]
  "$cli" --data-dir "$d" dpi 1 800 >/dev/null 2>&1
  check "no profile of root's lands behind a planted folder link" [ ! -e "$work/roots/Profile1.cfg" ]
fi

# 5. One writer at a time, and none beside the running program.
d=$work/together
mkdir -p "$d"
for n in $(seq 1 20); do "$cli" --data-dir "$d" macro import "$work/m$n.cfg" >"$work/par$n.out" 2>&1 & done
wait
check "twenty imports at once keep twenty macros" [ "$("$cli" --data-dir "$d" macro list 2>/dev/null | wc -l)" -eq 20 ]
python3 - "$d" "$work/held" <<'PY' &
import fcntl, os, sys, time
fd = os.open(sys.argv[1], os.O_RDONLY | os.O_DIRECTORY)
fcntl.flock(fd, fcntl.LOCK_SH)  # as the running program holds its data folder
open(sys.argv[2], "w").close()
time.sleep(30)
PY
holder=$!
for ((i = 0; i < 100; i++)); do [[ -e $work/held ]] && break; sleep 0.1; done
"$cli" --data-dir "$d" macro delete $((0x16000101)) >/dev/null 2>"$work/err"
check "a write beside the running program is refused" [ $? -eq 1 ]
check "with a reason" grep -q "program is running" "$work/err"
check "reading beside it works" [ "$(status_of "$cli" --data-dir "$d" macro list)" -eq 0 ]
kill "$holder"; wait "$holder" 2>/dev/null

# 6. A whole-configuration import is all or nothing, on a full disk too.
if root; then
  full=$work/full
  mkdir -p "$full"
  if mount -t tmpfs -o size=3m tmpfs "$full"; then
    mounted=$full
    "$cli" --data-dir "$d" export "$work/all.cfg" >/dev/null 2>&1
    "$cli" --data-dir "$full" macro import "$work/m1.cfg" >/dev/null 2>&1
    before=$(sum "$full/Profile/Profile1.cfg" "$full/Macro.cfg")
    "$cli" --data-dir "$full" import "$work/all.cfg" >"$work/out" 2>"$work/err"
    check "import onto a full disk fails" [ $? -eq 1 ]
    check "without claiming success" bash -c "! grep -q success '$work/out' '$work/err'"
    check "with a message" [ -s "$work/err" ]
    check "the old set stays whole" [ "$(sum "$full/Profile/Profile1.cfg" "$full/Macro.cfg")" = "$before" ]
    check "nothing prepared is left" [ -z "$(find "$full" -name '*.pending' -o -name '*.journal' -o -name '*.tmp-*')" ]
    "$cli" --data-dir "$full" macro import "$work/m2.cfg" >/dev/null 2>"$work/err"
    check "a macro import onto a full disk fails" [ $? -eq 1 ]
    check "and says so" grep -q "could not be written" "$work/err"
    check "the library stays" [ "$(sum "$full/Profile/Profile1.cfg" "$full/Macro.cfg")" = "$before" ]
    umount "$full" && mounted=""
  fi
  # A first start whose new data folder does not fit says why and fails.
  if mount -t tmpfs -o size=64k tmpfs "$full"; then
    mounted=$full
    env -u XDG_DATA_HOME -u ORYN7PX_DATA_DIR HOME="$full" "$cli" profiles >/dev/null 2>"$work/err"
    check "a first start on a full disk fails" [ $? -eq 1 ]
    check "and names the cause" grep -q "could not be filled: .*No space left on device" "$work/err"
    umount "$full" && mounted=""
  fi
fi

# 7. Macro ids stay unique.
d=$work/ids
mkdir -p "$d"
"$cli" --data-dir "$d" macro import "$work/m1.cfg" >/dev/null 2>&1
"$cli" --data-dir "$d" macro import "$work/m2.cfg" >/dev/null 2>&1
"$cli" --data-dir "$d" macro delete $((0x16000101)) >/dev/null 2>&1
"$cli" --data-dir "$d" macro import "$work/m2.cfg" >"$work/out" 2>&1
check "an import of a present id replaces it" grep -q "Replaced macro 0x16000102" "$work/out"
check "the id is there once" [ "$("$cli" --data-dir "$d" macro list 2>/dev/null | grep -c 0x16000102)" -eq 1 ]

# 10. Honest results and messages.
d=$work/messages
mkdir -p "$d"
"$cli" --data-dir "$d" macro import "$work/m1.cfg" >/dev/null 2>&1
if root; then
  chown -R 0:0 "$d" && chmod 755 "$d"
  as_user "$cli" --data-dir "$d" macro rename $((0x16000101)) other >/dev/null 2>"$work/err"
  check "rename in a read-only folder fails" [ $? -eq 1 ]
  check "with a word" grep -q "Access denied" "$work/err"
fi
check "--data-dir of a missing folder is refused" [ "$(status_of "$cli" --data-dir "$work/none" export "$work/x.cfg")" -eq 2 ]
check "and nothing is exported or created" [ ! -e "$work/x.cfg" ] && [ ! -e "$work/none" ]
home_before=$([[ -e /.local/share/TAVIK ]] && echo yes || echo no)
check "without HOME the CLI refuses" [ "$(status_of env -u HOME -u XDG_DATA_HOME -u ORYN7PX_DATA_DIR "$cli" show)" -eq 2 ]
[[ $home_before == no ]] && check "and creates nothing in /" [ ! -e /.local/share/TAVIK ]
printf '<root><config><str_main>x</str_main></config>' >"$work/bad.xml"
check "lang check fails on a malformed file" [ "$(status_of "$cli" lang check "$work/bad.xml")" -eq 1 ]
check "and says why" sh -c "'$cli' lang check '$work/bad.xml' | grep -q 'not well-formed'"
macro_file "$work/esc.cfg" 0x16000777 '\x1b[31mred\x07'
"$cli" --data-dir "$d" macro import "$work/esc.cfg" >"$work/out" 2>&1
"$cli" --data-dir "$d" macro list >"$work/list" 2>&1
check "control characters are shown escaped" grep -qF '\x1B[31mred\x07' "$work/list"
check "and never sent raw" bash -c "! grep -q $'\x1b' '$work/list' '$work/out'"
check "modifiers alone have no trailing +" [ "$("$cli" keyname 0x000300)" = "Shift + Ctrl" ]
python3 - "$d/Profile/Profile1.cfg" <<'PY'
import struct, sys
p = sys.argv[1]
data = bytearray(open(p, "rb").read())
data[25188:25192] = struct.pack("<i", 0x7FFFFFFF)
open(p, "wb").write(data)
PY
check "a garbage DPI is shown without overflow" sh -c "'$cli' --data-dir '$d' show 2>/dev/null | grep -q ' 107374182350 DPI'"

# 11. An export never overwrites the program's own data files, whatever name reaches them.
d=$work/own
mkdir -p "$d"
"$cli" --data-dir "$d" macro import "$work/m1.cfg" >/dev/null 2>&1
printf 'counts' >"$d/Sts.cfg"
ln -s "$d/Macro.cfg" "$work/library-link.cfg"
before=$(sum "$d/Macro.cfg" "$d/Profile/Profile1.cfg" "$d/Sts.cfg")
for target in "$d/Macro.cfg" "$d/Profile/Profile1.cfg" "$d/Sts.cfg" "$d/Profile/../Macro.cfg" "$work/library-link.cfg"; do
  "$cli" --data-dir "$d" export "$target" >/dev/null 2>"$work/err"
  check "export to $target is refused" [ $? -eq 1 ]
  check "and says it is a data file" grep -q "one of the program's own data files" "$work/err"
  "$cli" --data-dir "$d" macro export $((0x16000101)) "$target" >/dev/null 2>&1
  check "macro export to $target is refused" [ $? -eq 1 ]
done
check "the data files are as they were" [ "$(sum "$d/Macro.cfg" "$d/Profile/Profile1.cfg" "$d/Sts.cfg")" = "$before" ]
check "an export elsewhere still works" [ "$(status_of "$cli" --data-dir "$d" export "$work/whole.cfg")" -eq 0 ]

# 12. Text from files is shown, never obeyed: hostile names in every output, as text and as JSON.
# True when FILE holds no control character but line feeds, no bidirectional control and no
# byte that is not UTF-8.
shown_safely() {
  python3 - "$1" <<'PY'
import re, sys
text = open(sys.argv[1], "rb").read().decode("utf-8", "surrogateescape")
hostile = re.compile("[\x00-\x09\x0b-\x1f\x7f-\x9f\u061c\u200e\u200f\u202a-\u202e\u2066-\u2069\udc80-\udcff]")
sys.exit(1 if hostile.search(text) else 0)
PY
}
# True when a string of the JSON in FILE reads back to NAME (given in Python escapes).
json_holds() {
  python3 - "$1" "$2" <<'PY'
import json, sys
name = sys.argv[2].encode().decode("unicode_escape")
def strings(value):
    if isinstance(value, str): yield value
    elif isinstance(value, dict): yield from (s for v in value.values() for s in strings(v))
    elif isinstance(value, list): yield from (s for v in value for s in strings(v))
sys.exit(0 if name in strings(json.load(open(sys.argv[1]))) else 1)
PY
}
d=$work/hostile
mkdir -p "$d"
# name (Python escapes) | as text output shows it | as JSON output writes it
hostile_names=(
  '\x1b]0;title\x07\x1b[2J|\x1B]0;title\x07\x1B[2J|\u001b]0;title\u0007\u001b[2J'
  'del\x7f csi\x9b2J|del\x7F csi\x9B2J|del\u007f csi\u009b2J'
  'txt.\u202egpj|txt.\u202Egpj|txt.\u202egpj'
  '\u2066iso\u2069 \u200e\u200f\u061c|\u2066iso\u2069 \u200E\u200F\u061C|\u2066iso\u2069 \u200e\u200f\u061c'
  'back\\slash|back\\slash|back\\slash'
)
n=0
for row in "${hostile_names[@]}"; do
  IFS='|' read -r name text json <<<"$row"
  n=$((n + 1))
  id=$((0x16000900 + n))
  macro_file "$work/hostile$n.cfg" $id "$name"
  "$cli" --data-dir "$d" macro import "$work/hostile$n.cfg" >/dev/null 2>&1
  "$cli" --data-dir "$d" button back macro $id >/dev/null 2>&1
  for mode in "macro list" "macro list --json" "macro show $id" "macro show $id --json" "show" "show --json"; do
    # shellcheck disable=SC2086
    "$cli" --data-dir "$d" $mode >"$work/shown" 2>"$work/shown-err"
    check "$mode shows '$name' without a raw control" shown_safely "$work/shown"
    check "$mode says nothing with a raw control" shown_safely "$work/shown-err"
    if [[ $mode == *--json ]]; then
      check "$mode writes '$name' as $json" grep -qF -- "$json" "$work/shown"
      check "$mode reads back as '$name'" json_holds "$work/shown" "$name"
    else
      check "$mode shows '$name' as $text" grep -qF -- "$text" "$work/shown"
    fi
  done
done
d=$work/$'data\e[31m\xe2\x80\xae'
mkdir -p "$d"
"$cli" --data-dir "$d" profiles >"$work/shown" 2>&1
check "profiles shows a hostile folder escaped" grep -qF 'data\x1B[31m\u202E/Profile/Profile1.cfg' "$work/shown"
check "and without a raw control" shown_safely "$work/shown"
printf '<root><config></config></root>' >"$work/"$'lang\xe2\x80\xaelmx.xml'
"$cli" lang check "$work/"$'lang\xe2\x80\xaelmx.xml' >"$work/shown" 2>&1
check "lang check shows a hostile file name escaped" grep -qF 'lang\u202Elmx.xml: str_' "$work/shown"
check "and without a raw control" shown_safely "$work/shown"

[[ $failures -eq 0 ]] && echo "all checks passed"
exit $((failures > 0))
