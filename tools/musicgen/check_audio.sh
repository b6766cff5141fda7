#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every song through the soundfont the program uses and measures songs and
# effects with sox; the song's own figures (tail, repeated bars, lead loudness range)
# come from tilvane-musicgen reading its MIDI data. Fails when one breaks the limits.
#   check_audio.sh [MUSIC_DIR] [SOUNDS_DIR]
# GAIN (default 1.2) is the synthesizer gain to render with; 1.2 is the gain of the
# game's loudest music volume, so a song that passes here cannot clip in the game.
# KEEP=DIR keeps each rendering there as <song>.wav with a spectrogram <song>.png.
set -u
MUSIC=${1:-data/music}
SOUNDS=${2:-data/sounds}
SOUNDFONT=${SOUNDFONT:-/usr/share/sounds/sf2/TimGM6mb.sf2}
GAIN=${GAIN:-1.2}
GEN=${GEN:-build/bin/tilvane-musicgen}
KEEP=${KEEP:-}
for tool in fluidsynth sox soxi; do
  command -v $tool >/dev/null || { echo "check_audio.sh needs $tool (apt-get install fluidsynth sox)"; exit 2; }
done
[ -x "$GEN" ] || { echo "no $GEN: build the target tilvane-musicgen"; exit 2; }
[ -r "$SOUNDFONT" ] || { echo "no soundfont at $SOUNDFONT"; exit 2; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PEAK_LIMIT=-1.0      # dBFS
SILENCE_LEVEL=0.003  # about -50 dBFS
BALANCE_LIMIT=1.0    # dB between left and right
LEVEL_RANGE=1.0      # dB between the quietest and the loudest song
failed=0

stat() { sox "$1" -n stats 2>&1 | awk -v row="$2" -v col="$3" 'index($0, row) == 1 { print $col }'; }
peak() { stat "$1" "Pk lev dB" 4; }
rms() { stat "$1" "RMS lev dB" 4; }
length() { soxi -D "$1"; }
# Longest run below SILENCE_LEVEL between the first and the last sound, on a 4 kHz
# mono copy.
silences() {
  sox "$1" -c 1 -r 4000 -t dat - 2>/dev/null | awk -v level=$SILENCE_LEVEL '
    /^;/ { next }
    { t = $1; a = $2 < 0 ? -$2 : $2
      if (a >= level) { if (seen && t - last > longest) longest = t - last; last = t; seen = 1 } }
    END { printf "%.2f\n", longest }'
}
over() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
abs() { awk -v a="$1" 'BEGIN { print a < 0 ? -a : a }'; }

# The effects first: a song may be no louder than they are.
loudest_effect=-100; quietest_effect_rms=0
for name in select remove win loose put erase invalid; do
  wav="$SOUNDS/$name.wav"
  [ -e "$wav" ] || continue
  pk=$(peak "$wav"); level=$(rms "$wav")
  over "$pk" "$loudest_effect" && loudest_effect=$pk
  over "$quietest_effect_rms" "$level" && quietest_effect_rms=$level
done

"$GEN" --check "$MUSIC" >"$WORK/check" 2>&1 || failed=1
echo
printf '%-34s %6s %7s %7s %6s %5s %6s %5s %6s\n' "song" "length" "peak dB" "RMS dB" "L-R dB" \
  "gap" "tail s" "rep%" "spread"
levels=""
for song in "$MUSIC"/*.mid; do
  [ -e "$song" ] || { echo "no songs in $MUSIC"; exit 1; }
  name=$(basename "$song" .mid)
  figures=$("$GEN" --figures "$song") || { failed=1; continue; }
  set -- $figures
  seconds=$1; tail=$2; repeated=$3; spread=$4
  # The game stops a song at its end, so measure only what it plays.
  fluidsynth -ni -g "$GAIN" -r 44100 -F "$WORK/full.wav" "$SOUNDFONT" "$song" >/dev/null 2>&1
  wav="$WORK/song.wav"
  sox "$WORK/full.wav" "$wav" trim 0 "$seconds"
  len=$(length "$wav"); pk=$(peak "$wav"); level=$(rms "$wav"); gap=$(silences "$wav")
  balance=$(awk -v l="$(stat "$wav" "RMS lev dB" 5)" -v r="$(stat "$wav" "RMS lev dB" 6)" \
    'BEGIN { printf "%.2f", l - r }')
  levels="$levels $level"
  verdict=""
  over 60 "$len" && verdict="$verdict short"
  over "$len" 180 && verdict="$verdict long"
  over "$pk" $PEAK_LIMIT && verdict="$verdict clips"
  over "$pk" "$loudest_effect" && verdict="$verdict peak-over-effects"
  over "$level" "$quietest_effect_rms" && verdict="$verdict louder-than-effects"
  over "$(abs "$balance")" $BALANCE_LIMIT && verdict="$verdict unbalanced"
  over "$gap" 3 && verdict="$verdict silent-gap"
  over "$tail" 1.5 && verdict="$verdict tail"
  over "$repeated" 25 && verdict="$verdict repetitive"
  over 20 "$spread" && verdict="$verdict flat"
  printf '%-34s %6.1f %7s %7s %6s %5s %6s %5s %6s%s\n' "$name" "$len" "$pk" "$level" "$balance" \
    "$gap" "$tail" "$repeated" "$spread" "$verdict"
  [ -n "$verdict" ] && failed=1
  if [ -n "$KEEP" ]; then
    mkdir -p "$KEEP"
    cp "$wav" "$KEEP/$name.wav"
    sox "$wav" -n remix - spectrogram -x 1200 -y 400 -t "$name" -o "$KEEP/$name.png"
  fi
done
range=$(echo "$levels" | awk '{ lo = hi = $1; for (i = 2; i <= NF; i++) { if ($i < lo) lo = $i; if ($i > hi) hi = $i }
  printf "%.2f %.2f %.2f", lo, hi, hi - lo }')
set -- $range
verdict=""; over "$3" $LEVEL_RANGE && { verdict=" uneven"; failed=1; }
printf 'song RMS from %s to %s dB (%s dB apart)%s; effects peak at %s dB, RMS from %s dB\n' \
  "$1" "$2" "$3" "$verdict" "$loudest_effect" "$quietest_effect_rms"
echo "programs per song:"
cat "$WORK/check"

printf '\n%-34s %7s %8s %8s %8s\n' "effect" "length" "peak dB" "first" "last"
for name in select remove win loose put erase invalid; do
  wav="$SOUNDS/$name.wav"
  if [ ! -e "$wav" ]; then echo "$name: missing"; failed=1; continue; fi
  len=$(length "$wav"); pk=$(peak "$wav")
  # The first and last samples must be near zero, or the effect clicks.
  edges=$(sox "$wav" -t dat - | awk '/^;/ { next } { if (!n++) first = $2; last = $2 }
    END { printf "%.4f %.4f", first < 0 ? -first : first, last < 0 ? -last : last }')
  first=${edges% *}; last=${edges#* }
  verdict=""
  case $name in select|remove) over "$len" 0.3 && verdict="$verdict long" ;; esac
  over "$len" 3 && verdict="$verdict long"
  over "$pk" $PEAK_LIMIT && verdict="$verdict loud"
  over "$first" 0.001 && verdict="$verdict click-in"
  over "$last" 0.001 && verdict="$verdict click-out"
  format="$(soxi -r "$wav") $(soxi -c "$wav") $(soxi -b "$wav")"
  case "$format" in "22050 1 16"|"44100 1 16") ;; *) verdict="$verdict format($format)" ;; esac
  printf '%-34s %7.3f %8s %8s %8s %s\n' "$name" "$len" "$pk" "$first" "$last" "$verdict"
  [ -n "$verdict" ] && failed=1
done
exit $failed
