# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the desktop checks: a scratch folder removed at the end, failures that
# say what is wrong, and a start of the real program that reports when its field shows.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Player folders inside the scratch folder, so no check touches the real ones.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/run" SDL_AUDIODRIVER=dummy
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/tilvane"
chmod 700 "$XDG_RUNTIME_DIR"

# measure_settings QUIT_MS: the program paints, says so on stdout and closes itself.
measure_settings() {
  printf '[Measure]\r\n   <NoSplashWait> 1\r\n   <ReportFirstField> 1\r\n   <QuitAfter> %s\r\n' "$1" \
    > "$XDG_CONFIG_HOME/tilvane/tilvane.ini"
}

# png_width FILE: the width from the PNG header.
png_width() { od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
