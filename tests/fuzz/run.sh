#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang and runs each for a while (60 s by default).
# Not part of CI: run it by hand or with `make fuzz`.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DTILVANE_FUZZ=ON \
  -DTILVANE_WERROR=OFF -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target $(cd tests/fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
for fuzzer in build-fuzz/fuzz/fuzz_*; do
  corpus=build-fuzz/corpus/$(basename "$fuzzer")
  mkdir -p "$corpus"
  seeds=tests/fuzz/seeds/$(basename "$fuzzer")
  [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
  echo "== $fuzzer for ${seconds}s"
  # A single allocation beyond what the largest allowed picture needs counts as a crash.
  "$fuzzer" -max_total_time="$seconds" -malloc_limit_mb=512 -print_final_stats=1 "$corpus"
done
