#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# deb_check.sh BUILD VERSION: builds the Debian package, has lintian check it (no error,
# no warning), unpacks it into a scratch root and starts the unpacked program under a
# virtual X server until its field shows.
set -eu
build=$1 version=$2
. "$(dirname "$0")/common.sh"

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) ||
  fail "cpack: $(tail -5 "$work/cpack.log")"
deb="$work/pkg/tilvane_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/pkg")"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libpng16 libsqlite3-0 libsdl2-mixer-2.0-0 libfluidsynth3 timgm6mb-soundfont fonts-liberation2; do
  echo "$depends" | grep -q "$d" || fail "Depends lacks $d: $depends"
done

qm=$(dpkg-deb -c "$deb" | grep -c '/usr/share/tilvane/translations/tilvane_.*\.qm$') || true
ts=$(ls "$(dirname "$0")/../../translations"/tilvane_*.ts | wc -l)
[ "$qm" = "$ts" ] || fail "the package carries $qm .qm files for $ts languages"

lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || fail "lintian: $(cat "$work/lintian")"

dpkg -x "$deb" "$work/root"
doc="$work/root/usr/share/doc/tilvane"
grep -q "^License: GPL-3.0-or-later" "$doc/copyright" || fail "the copyright names no GPL-3.0-or-later"
zcat "$doc/changelog.gz" | head -n 1 | grep -q "^tilvane ($version)" ||
  fail "the changelog's first entry is not $version"
measure_settings 1500
timeout 60 xvfb-run -a -s "-screen 0 1280x800x24" "$work/root/usr/games/tilvane" >"$work/out" 2>&1 ||
  fail "the installed program failed: $(tail -5 "$work/out")"
grep -q "^first-field-paint" "$work/out" || fail "no window: $(tail -5 "$work/out")"
# Installed, the player's files live in the per-user folders, never beside the program.
[ -f "$XDG_DATA_HOME/tilvane/layouts/Dragon.mah" ] || fail "layouts not offered"
[ -z "$(find "$work/root/usr" -name 'tilvane.ini' -o -name 'tilvane.won*')" ] ||
  fail "player files beside the installed program"
echo "package $(basename "$deb") starts"
