#!/bin/sh
# The translator and support commands of oryn7px-cli on small fixture files.
# usage: cli_lang_test.sh CLI FIXTURE_DIR
cli=$1
fixtures=$2
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect EXIT EXPECTED_OUTPUT COMMAND...: the exit status and the whole standard output.
expect() {
    want_status=$1
    want_output=$2
    shift 2
    output=$("$cli" "$@" 2>/dev/null)
    status=$?
    [ "$status" = "$want_status" ] || fail "$* exited $status, expected $want_status"
    [ "$output" = "$want_output" ] || fail "$* printed [$output], expected [$want_output]"
}

expect 0 "Apply & save" lang get "$fixtures/complete.xml" str_ok
expect 0 "Применить" lang get "$fixtures/complete_utf16le.xml" str_ok
expect 0 "Access denied <macros>" lang get "$fixtures/complete.xml" str_msg4
expect 1 "" lang get "$fixtures/complete.xml" str_nothing
expect 0 "Apply & save" lang get "$fixtures/complete.xml" --section config str_ok
expect 1 "" lang get "$fixtures/complete.xml" config --section language  # the root is no section
expect 1 "" lang get "$fixtures/complete.xml" str_ok --section missing
expect 2 "" lang get "$fixtures/complete.xml"

expect 0 "" lang check "$fixtures/complete.xml" "$fixtures/complete_utf16le.xml"
expect 1 "$fixtures/missing_key.xml: str_main is missing or empty
$fixtures/missing_key.xml: str_ok is missing or empty
$fixtures/missing_key.xml: str_msg2 must hold exactly one \"%s\", it holds 2
$fixtures/missing_key.xml: caption cap_apply is missing or empty; \"APPLY\" shows
$fixtures/missing_key.xml: caption cap_lang is missing or empty; \"LANG\" shows" lang check "$fixtures/missing_key.xml"
expect 1 "$fixtures/nothing.xml: cannot be read" lang check "$fixtures/nothing.xml"

# Malformed files the program still reads: the check names each fault and where it is, once.
while IFS='|' read -r name problem; do
    file=$fixtures/malformed/$name.xml
    output=$("$cli" lang check "$file" 2>/dev/null)
    status=$?
    [ "$status" = 1 ] || fail "lang check $name exited $status, expected 1"
    found=$(printf '%s\n' "$output" | grep -F "not well-formed")
    [ "$found" = "$file: not well-formed: $problem" ] || fail "lang check $name printed [$found], expected [$problem]"
done <<'TABLE'
unquoted_attribute|Value of attribute 'a' not in quotes at offset 28
text_after_root|Text after the root element at offset 58
invalid_utf8|Invalid UTF-8 at byte 29
odd_length_utf16|Odd number of bytes in UTF-16: half a character at byte 24
nul|NUL character at byte 27
esc|Character U+001B at offset 26 is not allowed in XML
duplicate_attribute|Duplicate attribute 'id' at offset 33
bad_character_reference|Bad character reference '&#0;' at offset 27
TABLE

# A fault alone fails the check: every key present, text after the root. The offset counts the
# characters before it (complete.xml has none beyond U+FFFF), its byte-order mark aside.
complete_then_text=$(mktemp)
trap 'rm -f "$complete_then_text"' EXIT
{ cat "$fixtures/complete.xml"; printf 'x'; } >"$complete_then_text"
offset=$(($(LC_ALL=C.UTF-8 wc -m <"$fixtures/complete.xml") - 1))
expect 1 "$complete_then_text: not well-formed: Text after the root element at offset $offset" \
    lang check "$complete_then_text"
expect 2 "" lang check

expect 0 "load: UTF-16LE BOM + length 10812 to 10812 wide chars
error: none" lang info "$fixtures/complete_utf16le.xml"
expect 1 "load: UTF-8 length 71 to 71 wide chars
error: End tag 'config' at offset 51 does not match start tag 'str_main' at offset 37" \
    lang info "$fixtures/ill_formed.xml"
expect 0 "OK" lang get "$fixtures/ill_formed.xml" str_ok

# Without an X session the layout comes from XKB_DEFAULT_LAYOUT (else US).
output=$(env -u DISPLAY XKB_DEFAULT_LAYOUT=de "$cli" keyname 0x1C0100)
[ "$output" = "Ctrl + Z" ] || fail "keyname with a German layout printed [$output]"
output=$(env -u DISPLAY XKB_DEFAULT_LAYOUT=us "$cli" keyname 0x040300)
[ "$output" = "Shift + Ctrl + A" ] || fail "keyname 0x040300 printed [$output]"
expect 0 "LCtrl" keyname 14680064
expect 1 "" keyname 0xF00000
expect 2 "" keyname 0x1FFFFFFFF

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
