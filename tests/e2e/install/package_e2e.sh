#!/usr/bin/env bash
# The Debian package of the build folder: made by CPack into a folder of its own (the build is
# reused, nothing is compiled), free of lintian errors, unpacked with dpkg-deb -x into a temporary
# root, and its CLI and program run from there.
# Usage: package_e2e.sh BUILD_DIR APP_ID
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1 id=$2

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$work"/out/oryn7px_*_amd64.deb)
[[ -f $deb ]] || fail "no package in $work/out"
lintian --fail-on error "$deb" || fail "lintian reports errors"

depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libc6 libqt6widgets6 libudev1 libcurl4 xdg-utils; do
  [[ $depends == *"$dependency"* ]] || fail "Depends lacks $dependency: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/oryn7px usr/bin/oryn7px-cli \
    usr/lib/oryn7px/oryn7px usr/lib/oryn7px/oryn7px-cli usr/lib/oryn7px/oryn7px-emu usr/lib/oryn7px/Start \
    usr/lib/oryn7px/skins/res/128.png usr/lib/oryn7px/Language/sc.xml usr/lib/oryn7px/Language/tw.xml \
    usr/lib/udev/rules.d/70-oryn7px.rules usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/doc/oryn7px/copyright usr/share/doc/oryn7px/changelog.gz \
    usr/share/man/man1/oryn7px.1.gz usr/share/man/man1/oryn7px-cli.1.gz; do
  [[ -e $root/$file ]] || fail "the package lacks $file"
done
rules=$root/usr/lib/udev/rules.d/70-oryn7px.rules
for rule in 'SUBSYSTEM=="hidraw", ATTRS{idVendor}=="7f1d"' 'SUBSYSTEM=="input", KERNEL=="event*", ATTRS{idVendor}=="7f1d"' \
    'KERNEL=="uinput", SUBSYSTEM=="misc", TAG+="uaccess"'; do
  grep -qF "$rule" "$rules" || fail "the udev rule lacks: $rule"
done
postinst=$(dpkg-deb -I "$deb" postinst)
[[ $postinst == *"--subsystem-match=input"* && $postinst == *"--sysname-match=uinput"* ]] \
  || fail "postinst does not apply the rule to the input nodes and uinput"
for size in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
  [[ $(identify -format '%wx%h' "$icon" 2>/dev/null) == "${size}x$size" ]] || fail "no ${size}px icon"
done

# The unpacked commands find their program folder through the links in usr/bin.
new_user
info=$("$root/usr/bin/oryn7px-cli" --virtual-mouse info) || fail "oryn7px-cli info failed"
[[ $info == *"Firmware version: 103"* ]] || fail "oryn7px-cli info: $info"
# The CLI's first start fills the data folder, in the desktop's language.
LANG=fr_FR.UTF-8 "$root/usr/bin/oryn7px-cli" profiles >/dev/null || fail "oryn7px-cli profiles failed"
data=$XDG_DATA_HOME/TAVIK/ORYN7PX
[[ $(od -An -tu4 "$data/Language.cfg" | tr -d ' ') == 3 ]] || fail "the CLI's fresh data folder is not French"

"$root/usr/bin/oryn7px" --virtual-mouse >"$work/gui.log" 2>&1 &
pids+=($!)
title="Tavik ORYN7PX Gaming Mouse Driver"
wait_for 30 eval 'xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1' \
  || fail "the unpacked program shows no window"
echo "package: $(basename "$deb"), lintian clean of errors, CLI and program run unpacked"
