#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# install_check.sh BUILD VERSION: installs the built program under a scratch root, as
# `make install DESTDIR=...` does, and checks what a Linux desktop expects of it.
set -eu
build=$1 version=$2
. "$(dirname "$0")/common.sh"

DESTDIR="$work/root" cmake --install "$build" --prefix /usr/local >/dev/null
p="$work/root/usr/local"
id=org.tilvane.tilvane
for f in games/tilvane share/man/man6/tilvane.6.gz share/doc/tilvane/copyright \
         share/doc/tilvane/changelog.gz share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/tilvane/layouts/Dragon.mah \
         share/tilvane/tiles share/tilvane/music share/tilvane/help/play.htm \
         share/tilvane/help/de/play.htm share/tilvane/help/es/play.htm share/tilvane/help/fr/play.htm share/tilvane/help/zh_CN/play.htm \
         share/tilvane/sounds/select.wav; do
  [ -e "$p/$f" ] || fail "$f not installed"
done
# Every language of the program is installed, and the desktop entry and the metainfo
# carry each of them too.
src=$(cd "$(dirname "$0")/../.." && pwd)
languages=0
for ts in "$src"/translations/tilvane_*.ts; do
  lang=$(basename "$ts" .ts); lang=${lang#tilvane_}
  [ -f "$p/share/tilvane/translations/tilvane_$lang.qm" ] || fail "tilvane_$lang.qm not installed"
  [ "$lang" = en ] && continue
  languages=$((languages + 1))
  grep -q "^Name\[$lang\]=" "$p/share/applications/$id.desktop" || fail "the desktop entry has no Name[$lang]"
  grep -q "<name xml:lang=\"$lang\">" "$p/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo has no name in $lang"
done
[ "$languages" -ge 13 ] || fail "only $languages languages"
echo "$languages languages installed, with the desktop entry's and the metainfo's texts"
for size in 16 24 32 48 64 128 256 512; do
  icon="$p/share/icons/hicolor/${size}x$size/apps/$id.png"
  [ -f "$icon" ] || fail "no ${size}px icon"
  [ "$(png_width "$icon")" = "$size" ] || fail "the ${size}px icon is $(png_width "$icon") wide"
done
desktop-file-validate "$p/share/applications/$id.desktop" || fail "desktop entry"
# Clean means no remark at all, not even a pedantic one.
remarks=$(appstreamcli validate --pedantic --no-net "$p/share/metainfo/$id.metainfo.xml" 2>&1) ||
  fail "metainfo: $remarks"
! echo "$remarks" | grep -q '^[EWIP]:' || fail "metainfo: $remarks"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$p/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo names another licence"
grep -q "<release version=\"$version\"" "$p/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo has no release $version"

[ "$("$p/games/tilvane" --version)" = "tilvane $version" ] || fail "--version"
"$p/games/tilvane" --help | grep -q -- "--version" || fail "--help"
rc=0
"$p/games/tilvane" --fullscreen >"$work/out" 2>"$work/err" || rc=$?
[ "$rc" = 64 ] || fail "an unknown option exits with $rc"
[ "$(wc -l <"$work/err")" = 1 ] && [ ! -s "$work/out" ] || fail "usage: $(cat "$work/err")"
echo "installed tree checked"
