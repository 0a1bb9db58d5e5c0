#!/usr/bin/env bash
# Renders one score of the game's music to a stereo MP3 and checks it:
# csound (orchestra + score, float WAV) -> ffmpeg (gain to -16 LUFS, peak limiter, MP3)
# -> the MP3 as shipped is measured again (EBU R128 loudness, true peak, length, clean ends,
# no drop-out inside the track).
# Any figure out of bounds fails the build with the file and the figure.
# Usage: render_music.sh ORCHESTRA.orc SCORE.sco OUTPUT.mp3 MIN_SECONDS MAX_SECONDS
set -euo pipefail

die() {
  echo "render_music.sh: $*" >&2
  exit 1
}

[ $# -eq 5 ] || die "usage: render_music.sh ORCHESTRA.orc SCORE.sco OUTPUT.mp3 MIN_SECONDS MAX_SECONDS"
orchestra=$1
score=$2
output=$3
min_length=$4
max_length=$5

# Integrated loudness target and its tolerance (LU), the true-peak ceiling (dBTP).
target=-16
tolerance=1
peak_ceiling=-1
# The limiter's sample-peak ceiling sits below the true-peak ceiling: MP3 decoding and
# inter-sample peaks add a little.
limit=0.79
# Inside a track (away from its fades), the short-term loudness may fall this far (LU) below
# the integrated level for at most this long (s): a longer hole is heard as the music stopping.
dropout_depth=6
dropout_length=3
dropout_margin_head=10
dropout_margin_tail=15

[ -r "$orchestra" ] || die "$orchestra: orchestra not readable"
[ -r "$score" ] || die "$score: score not readable"
for tool in csound ffmpeg ffprobe; do
  command -v "$tool" >/dev/null || die "$score: '$tool' not installed"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Run in the score's folder so that its #include finds the shared chords.
# csound reports orchestra and score errors in its log, not always in its exit status.
orchestra=$(realpath "$orchestra")
if ! (cd "$(dirname "$score")" && csound -d -m0 --nodisplays -W -f -o "$work/raw.wav" \
  "$orchestra" "$(basename "$score")") >"$work/csound.log" 2>&1 ||
  ! grep -aq '^0 errors in performance' "$work/csound.log" ||
  grep -aqi 'error:\|not found\|undefined' "$work/csound.log" || [ ! -s "$work/raw.wav" ]; then
  sed 's/\x1b\[[0-9;]*m//g' "$work/csound.log" | grep -av '^$' | tail -n 30 >&2
  die "$score: csound failed"
fi

# Prints "I LRA TP" of a file: integrated loudness (LUFS), loudness range (LU), true peak (dBTP).
loudness() {
  ffmpeg -hide_banner -nostats -i "$1" -af ebur128=peak=true -f null - 2>&1 |
    awk '/Summary:/ { s = 1 }
         s && $1 == "I:" { i = $2 }
         s && $1 == "LRA:" { r = $2 }
         s && $1 == "Peak:" { p = $2 }
         END { if (i == "" || r == "" || p == "") exit 1; print i, r, p }'
}

read -r raw_i _ _ < <(loudness "$work/raw.wav") || die "$score: cannot measure the render"
awk -v i="$raw_i" 'BEGIN { exit !(i > -60) }' || die "$score: the render is silent ($raw_i LUFS)"
gain=$(awk -v i="$raw_i" -v t="$target" 'BEGIN { printf "%.2f", t - i }')

if ! ffmpeg -hide_banner -nostats -loglevel error -i "$work/raw.wav" \
  -af "volume=${gain}dB,alimiter=limit=${limit}:attack=5:release=60:level=false" \
  -ac 2 -ar 44100 -c:a pcm_f32le "$work/final.wav" 2>"$work/ffmpeg.log"; then
  cat "$work/ffmpeg.log" >&2
  die "$score: ffmpeg failed to set the level"
fi

# Peak level (dBFS) of a stretch of the final audio: its ends must be near silence, or they
# click. Measured before encoding, where the stretch is exact to the sample.
edge_peak() {
  ffmpeg -hide_banner -nostats "$@" -i "$work/final.wav" -af astats=measure_perchannel=none \
    -f null - 2>&1 | awk '/Overall/ { o = 1 } o && /Peak level dB:/ { print ($NF ~ /inf/ ? -200 : $NF); exit }'
}
head_peak=$(edge_peak -t 0.01)
tail_peak=$(edge_peak -sseof -0.05)

title=$(sed -n 's/^; title:[[:space:]]*//p' "$score" | head -n 1)
if ! ffmpeg -hide_banner -nostats -loglevel error -i "$work/final.wav" \
  -c:a libmp3lame -q:a 4 -metadata title="$title" "$work/out.mp3" 2>"$work/ffmpeg.log"; then
  cat "$work/ffmpeg.log" >&2
  die "$score: ffmpeg failed to encode"
fi

# What the player hears: the MP3 itself, decoded.
read -r mp3_i mp3_lra mp3_tp < <(loudness "$work/out.mp3") || die "$score: cannot measure the MP3"
probe=$(ffprobe -v error -select_streams a:0 \
  -show_entries stream=sample_rate,channels:format=duration -of csv=p=0 "$work/out.mp3") ||
  die "$score: cannot probe the MP3"
read -r rate channels length <<<"$(echo $probe | tr ',' ' ')"

# The longest stretch (s) where the short-term loudness stays more than dropout_depth below
# the integrated level, and where it starts, away from the track's fades.
longest_dropout() {
  ffmpeg -hide_banner -nostats -i "$1" -af ebur128 -f null - 2>&1 |
    awk -v i="$2" -v len="$3" -v depth="$dropout_depth" \
      -v head="$dropout_margin_head" -v tail="$dropout_margin_tail" '
      / t: / {
        for (f = 1; f < NF; f++) {
          if ($f == "t:") t = $(f + 1)
          if ($f == "S:") s = $(f + 1)
        }
        if (t < head || t > len - tail) next
        if (s < i - depth) {
          if (start == "") start = t
          if (t - start > best) { best = t - start; at = start }
        } else start = ""
      }
      END { printf "%.1f %.1f\n", best + 0, at + 0 }'
}

summary=$(printf '%s: %.2f s, %s LUFS, LRA %s LU, true peak %s dBTP, %s Hz, %s channels' \
  "$(basename "$output")" "$length" "$mp3_i" "$mp3_lra" "$mp3_tp" "$rate" "$channels")
awk -v i="$mp3_i" -v t="$target" -v d="$tolerance" 'BEGIN { exit !(i >= t - d && i <= t + d) }' ||
  die "$score: loudness off target ($target LUFS +/- $tolerance LU): $summary"
awk -v p="$mp3_tp" -v c="$peak_ceiling" 'BEGIN { exit !(p <= c) }' ||
  die "$score: true peak above $peak_ceiling dBTP: $summary"
awk -v l="$length" -v lo="$min_length" -v hi="$max_length" 'BEGIN { exit !(l >= lo && l <= hi) }' ||
  die "$score: length outside $min_length..$max_length s: $summary"
read -r dropout dropout_at < <(longest_dropout "$work/out.mp3" "$mp3_i" "$length") ||
  die "$score: cannot measure the short-term loudness"
awk -v d="$dropout" -v m="$dropout_length" 'BEGIN { exit !(d <= m) }' ||
  die "$score: drop-out of $dropout s from $dropout_at s (short-term loudness more than $dropout_depth LU below the track's): $summary"
[ "$rate" = 44100 ] && [ "$channels" = 2 ] || die "$score: not 44.1 kHz stereo: $summary"
awk -v h="${head_peak:-0}" -v e="${tail_peak:-0}" 'BEGIN { exit !(h <= -30 && e <= -40) }' ||
  die "$score: no clean start or end (first 10 ms peak $head_peak dBFS, last 50 ms $tail_peak dBFS)"

mkdir -p "$(dirname "$output")" || die "$output: cannot create its directory"
mv -f "$work/out.mp3" "$output" || die "$output: cannot write"
echo "$summary"
