#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every song through the soundfont the program uses and measures songs and
# effects with sox; fails when one breaks the limits below.
#   check_audio.sh [MUSIC_DIR] [SOUNDS_DIR]
# GAIN (default 1.2) is the synthesizer gain to render with; 1.2 is the gain of the
# game's loudest music volume, so a song that passes here cannot clip in the game.
set -u
MUSIC=${1:-data/music}
SOUNDS=${2:-data/sounds}
SOUNDFONT=${SOUNDFONT:-/usr/share/sounds/sf2/TimGM6mb.sf2}
GAIN=${GAIN:-1.2}
for tool in fluidsynth sox soxi; do
  command -v $tool >/dev/null || { echo "check_audio.sh needs $tool (apt-get install fluidsynth sox)"; exit 2; }
done
[ -r "$SOUNDFONT" ] || { echo "no soundfont at $SOUNDFONT"; exit 2; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PEAK_LIMIT=-1.0      # dBFS
SILENCE_LEVEL=0.003  # about -50 dBFS
failed=0

# Peak in dBFS of a WAV file.
peak() { sox "$1" -n stats 2>&1 | awk '/^Pk lev dB/ { print $4 }'; }
rms() { sox "$1" -n stats 2>&1 | awk '/^RMS lev dB/ { print $4 }'; }
length() { soxi -D "$1"; }
# Longest run below SILENCE_LEVEL between the first and the last sound, and the quiet
# after the last sound, in seconds, on a 4 kHz mono copy.
silences() {
  sox "$1" -c 1 -r 4000 -t dat - 2>/dev/null | awk -v level=$SILENCE_LEVEL '
    /^;/ { next }
    { t = $1; a = $2 < 0 ? -$2 : $2
      if (a >= level) { if (seen && t - last > longest) longest = t - last; last = t; seen = 1 } }
    END { printf "%.2f %.2f\n", longest, t - last }'
}
over() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

printf '%-34s %7s %8s %8s %8s %8s\n' "song" "length" "peak dB" "RMS dB" "silence" "end"
for song in "$MUSIC"/*.mid; do
  [ -e "$song" ] || { echo "no songs in $MUSIC"; exit 1; }
  wav="$WORK/song.wav"
  fluidsynth -ni -g "$GAIN" -r 44100 -F "$wav" "$SOUNDFONT" "$song" >/dev/null 2>&1
  len=$(length "$wav"); pk=$(peak "$wav"); quiet=$(silences "$wav")
  gap=${quiet% *}; tail=${quiet#* }
  verdict=""
  over 60 "$len" && verdict="$verdict short"
  over "$len" 180 && verdict="$verdict long"
  over "$pk" $PEAK_LIMIT && verdict="$verdict loud"
  over "$gap" 3 && verdict="$verdict silent-gap"
  printf '%-34s %7.1f %8s %8s %8s %8s %s\n' "$(basename "$song" .mid)" "$len" "$pk" "$(rms "$wav")" \
    "$gap" "$tail" "$verdict"
  [ -n "$verdict" ] && failed=1
done

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
