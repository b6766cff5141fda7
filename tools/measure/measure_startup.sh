#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the program as a player starts it: time from process start to the first
# painted field and to the painted deal, peak memory, and CPU use while idle with the
# clock running. Runs in a throw-away copy of the program folder, with a settings
# section used only for measuring (no 2 s splash minimum, report paints, quit later).
#
# Usage: tools/measure/measure_startup.sh [program folder, default build/bin] [runs, default 5]
# MUSIC=on plays the songs of MUSIC_DIR (default: the program's "music" folder), the first
# 5 s after start-up; MUSIC=off (the default) switches the music off.
set -euo pipefail

bin_dir=$(cd "${1:-build/bin}" && pwd)
runs=${2:-5}
idle_seconds=${IDLE_SECONDS:-60}

[ -x "$bin_dir/tilvane" ] || { echo "no program in $bin_dir" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$bin_dir/tilvane" "$bin_dir/layouts" "$bin_dir/tiles" "$work/"
[ -d "$bin_dir/help" ] && cp -r "$bin_dir/help" "$work/"
music=${MUSIC:-off}
music_dir=${MUSIC_DIR:-$bin_dir/music}
[ -d "$music_dir" ] && cp -r "$music_dir" "$work/music"
cp "$bin_dir"/*.wav "$work/" 2>/dev/null || true
# Without a sound device the program would stop at its message: measure on SDL's
# dummy output, which mixes in real time like a device does.
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
[ -d "$bin_dir/bkg" ] && cp -r "$bin_dir/bkg" "$work/"

# A display of its own unless one is given, started before any timing begins.
if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

settings() {  # $1: milliseconds until the window closes itself
  printf '[Measure]\r\n   <NoSplashWait> 1\r\n   <ReportFirstField> 1\r\n   <QuitAfter> %s\r\n' "$1" \
    > "$work/tilvane.ini"
  printf '\r\n[Main]\r\n   <Music>\r\n      On=%s\r\n      Pause=5\r\n' \
    "$([ "$music" = on ] && echo 1 || echo 0)" >> "$work/tilvane.ini"
}

ms_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }

echo "program: $bin_dir/tilvane"
echo "music: $music, $(ls "$work/music" 2>/dev/null | wc -l) songs"
echo "runs: $runs"
first=() dealt=() peak=()
for ((i = 1; i <= runs; i++)); do
  settings 1500
  start_ms=$(date +%s%3N)
  out=$(/usr/bin/time -v "$work/tilvane" 2>&1 || true)
  f=$(awk '/^first-field-paint-ms-since-epoch/ { print $2; exit }' <<<"$out")
  d=$(awk '/^dealt-field-paint-ms-since-epoch/ { print $2; exit }' <<<"$out")
  m=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' <<<"$out")
  [ -n "$f" ] && [ -n "$d" ] || { echo "run $i: no paint reported"; echo "$out" | tail -5; exit 1; }
  first+=("$(ms_between "$start_ms" "$f")")
  dealt+=("$(ms_between "$start_ms" "$d")")
  peak+=("$m")
  echo "run $i: first field ${first[-1]} ms, dealt field ${dealt[-1]} ms, peak RSS $((m / 1024)) MB"
done
median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
echo "median first painted field: $(median "${first[@]}") ms after process start"
echo "median painted deal (animation done): $(median "${dealt[@]}") ms after process start"
echo "peak memory (max over runs): $(( $(printf '%s\n' "${peak[@]}" | sort -n | tail -1) / 1024 )) MB"

# Idle: the deal is done, the clock ticks once a second, nobody touches anything.
# IDLE_SECONDS sets how long (default 60).
# utime + stime of the whole process (all threads, exited ones included), in clock ticks.
settings $(( (idle_seconds + 8) * 1000 ))
/usr/bin/time -v -o "$work/idle.time" "$work/tilvane" > /dev/null 2>&1 &
timer_pid=$!
sleep 5
pid=$(pgrep -P "$timer_pid" | head -1)
ticks() { awk '{ print $14 + $15 }' /proc/"$pid"/stat; }
main_ns() { awk '{ print $1 }' /proc/"$pid"/schedstat; }  # the window thread, in ns
all_ns() {  # "thread ns" for each live thread
  for t in /proc/"$pid"/task/*; do echo "${t##*/} $(awk '{ print $1 }' "$t/schedstat")"; done
}
a=$(ticks)
ma=$(main_ns)
aa=$(all_ns)
sleep "$idle_seconds"
b=$(ticks)
mb=$(main_ns)
ab=$(all_ns)
wait "$timer_pid" || true
hz=$(getconf CLK_TCK)
awk -v a="$a" -v b="$b" -v s="$idle_seconds" -v hz="$hz" 'BEGIN {
  ms = (b - a) * 1000 / hz
  printf "idle CPU over %d s with the clock running: %.0f ms = %.3f %% of one core (resolution %.0f ms)\n", s, ms, ms / 10 / s, 1000 / hz }'
# The same from the scheduler's nanosecond counts, which the 10 ms steps above blur;
# a thread that ended during the idle time is left out.
printf '%s\n' "$aa" > "$work/threads.before"
printf '%s\n' "$ab" | awk -v s="$idle_seconds" 'NR == FNR { before[$1] = $2; next }
  { n += $2 - ($1 in before ? before[$1] : 0) }
  END { printf "  in nanoseconds, all threads: %.1f ms = %.3f %% of one core\n", n / 1e6, n / 1e7 / s }' \
  "$work/threads.before" -
awk -v a="$ma" -v b="$mb" -v s="$idle_seconds" 'BEGIN {
  printf "  of which the window thread: %.1f ms = %.3f %% of one core\n", (b - a) / 1e6, (b - a) / 1e7 / s }'
idle_peak=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' "$work/idle.time")
echo "peak memory of the idle run (music $music): $((idle_peak / 1024)) MB"
