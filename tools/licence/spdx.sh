#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# spdx.sh [--check]: every source, script and build file carries the licence line first
# (after a script's "#!" line). Without --check the missing or misplaced lines are put
# right; run again, it changes nothing. With --check it names the files that lack it.
set -eu
cd "$(dirname "$0")/../.."
id="SPDX-License-Identifier: GPL-3.0-or-later"
# Any licence line, wherever it stands (not this script's own text above).
any='^(//|#) SPDX-License-Identifier:'
check=false
[ "${1:-}" = "--check" ] && check=true

files() {
  find src tests tools bench -name '*.cpp' -o -name '*.h' | sed 's|^|//\t|'
  { find src tests tools bench cmake -name '*.sh' -o -name '*.py' -o -name '*.cmake' \
      -o -name CMakeLists.txt; echo CMakeLists.txt; echo Makefile; } | sed 's|^|#\t|'
}

# The line the file needs, and where: after a "#!" line, else first.
expected_at() { head -n 1 "$1" | grep -q '^#!' && echo 2 || echo 1; }

tab=$(printf '\t')
files | sort -t "$tab" -k2 -u | while IFS="$tab" read -r mark file; do
  line="$mark $id"
  at=$(expected_at "$file")
  [ "$(sed -n "${at}p" "$file")" = "$line" ] &&
    [ "$(grep -cE "$any" "$file")" = 1 ] && continue
  if $check; then
    echo "$file: no \"$line\" on line $at"
    continue
  fi
  tmp="$file.spdx-tmp"
  { grep -vE "$any" "$file" || true; } | awk -v at="$at" -v line="$line" \
    'NR == at { print line } { print } END { if (NR < at) print line }' >"$tmp"
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
  echo "licence line added: $file"
done | { out=$(cat); [ -z "$out" ] || echo "$out"; ! $check || [ -z "$out" ] || {
  echo "Run tools/licence/spdx.sh to add the licence line." >&2; exit 1; }; }
