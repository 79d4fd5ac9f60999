#!/usr/bin/env bash
# scripts/render-screenshots renders the five pages and the popup per language, in that
# language's layout, and refuses a language it does not know.
# usage: screenshots_e2e.sh PROGRAM_DIR
set -euo pipefail
program_dir=$1
render=$(dirname "$0")/../../scripts/render-screenshots
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$render" "$program_dir" "$out" en sc >/dev/null
for language in en sc; do
  for page in main lighting macros statistics support popup; do
    picture=$out/$language/$page.png
    [[ -f $picture ]] || fail "$picture was not written"
    [[ $(identify -format '%wx%h' "$picture") == 957x636 ]] || fail "$picture is not the window"
  done
  # Each tab shows its own page, and the popup opens over the main page.
  for page in lighting macros statistics support popup; do
    [[ $(compare -metric AE "$out/$language/main.png" "$out/$language/$page.png" null: 2>&1) != 0 ]] ||
      fail "$language: $page looks like the main page"
  done
done
# The Chinese user's window is drawn in the Chinese layout, not the English one.
[[ $(compare -metric AE "$out/en/main.png" "$out/sc/main.png" null: 2>&1) != 0 ]] || fail "sc looks like en"

if "$render" "$program_dir" "$out" klingon 2>"$out/error"; then fail "an unknown language was rendered"; fi
grep -q "unknown language klingon" "$out/error" || fail "no word on the unknown language"
echo "screenshots: ok"
