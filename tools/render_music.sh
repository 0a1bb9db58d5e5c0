#!/usr/bin/env bash
# Renders one ABC score to a stereo MP3 through a General MIDI soundfont:
# abc2midi -> fluidsynth (offline) -> sox (trim, fade, normalise) -> lame.
# Usage: render_music.sh SCORE.abc OUTPUT.mp3 SOUNDFONT.sf2
set -euo pipefail

die() {
  echo "render_music.sh: $*" >&2
  exit 1
}

[ $# -eq 3 ] || die "usage: render_music.sh SCORE.abc OUTPUT.mp3 SOUNDFONT.sf2"
score=$1
output=$2
soundfont=$3

[ -r "$score" ] || die "$score: score not readable"
[ -r "$soundfont" ] || die "$soundfont: soundfont not readable"
for tool in abc2midi fluidsynth sox soxi lame; do
  command -v "$tool" >/dev/null || die "$score: '$tool' not installed"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# abc2midi exits 0 on many errors, so its log is checked as well.
if ! abc2midi "$score" -o "$work/score.mid" >"$work/abc2midi.log" 2>&1 ||
  grep -q '^Error' "$work/abc2midi.log" || [ ! -s "$work/score.mid" ]; then
  cat "$work/abc2midi.log" >&2
  die "$score: abc2midi failed"
fi

# Fast offline render: no MIDI input, no shell, no sound device.
# Float output keeps headroom; the level is set by sox below.
if ! fluidsynth -q -n -i -a file -o audio.file.name="$work/unused.wav" \
  -r 44100 -g 0.5 -R 1 -C 1 \
  -o synth.reverb.room-size=0.75 -o synth.reverb.damp=0.4 \
  -o synth.reverb.width=1.0 -o synth.reverb.level=0.8 \
  -T wav -O float -F "$work/raw.wav" \
  "$soundfont" "$work/score.mid" >"$work/fluidsynth.log" 2>&1 ||
  grep -qi 'error' "$work/fluidsynth.log" || [ ! -s "$work/raw.wav" ]; then
  cat "$work/fluidsynth.log" >&2
  die "$score: fluidsynth failed with $soundfont"
fi

# A silent render means a broken soundfont or an empty score.
peak=$(sox -V1 "$work/raw.wav" -n stat 2>&1 | awk '/^Maximum amplitude/ { print $3 }')
awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.001) }' || die "$score: the render is silent"

# Normalise first so the silence thresholds are relative to the music,
# then trim silence at both ends.
if ! sox -R -V1 "$work/raw.wav" "$work/trimmed.wav" \
  norm -1 \
  silence 1 0.01 -50d \
  reverse silence 1 0.01 -60d reverse 2>"$work/sox.log"; then
  cat "$work/sox.log" >&2
  die "$score: sox failed to trim"
fi

length=$(soxi -D "$work/trimmed.wav" 2>/dev/null) || die "$score: cannot measure the render"
# Fade-out: an eighth of the length, at most 2 s (short stings fade briefly).
fade=$(awk -v l="$length" 'BEGIN { f = l / 8; if (f > 2) f = 2; printf "%.3f", f }')
if ! sox -R -V1 "$work/trimmed.wav" -b 16 "$work/final.wav" \
  fade t 0 "$length" "$fade" \
  channels 2 rate 44100 \
  norm -1 2>"$work/sox.log"; then
  cat "$work/sox.log" >&2
  die "$score: sox failed to fade and normalise"
fi

title=$(sed -n 's/^T:[[:space:]]*//p' "$score" | head -n 1)
if ! lame --quiet --noreplaygain -m j -V 2 --tt "$title" \
  "$work/final.wav" "$work/out.mp3" 2>"$work/lame.log"; then
  cat "$work/lame.log" >&2
  die "$score: lame failed"
fi

mkdir -p "$(dirname "$output")" || die "$output: cannot create its directory"
mv -f "$work/out.mp3" "$output" || die "$output: cannot write"
