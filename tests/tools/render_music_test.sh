#!/usr/bin/env bash
# The music renderer on small scores played by the game's orchestra: a good score becomes an
# MP3 at the target loudness; a broken, silent, too short, clicking or dropping-out score
# fails with its file named and leaves no MP3 behind.
# Usage: render_music_test.sh RENDER_MUSIC.sh ORCHESTRA.orc
set -uo pipefail

render=$1
orchestra=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# A 4 s phrase with a fade-in and a fade-out: what every shipped score looks like.
good_score='i "Mix" 0 4 0.1 1
i "Chord" 0 3 -27 900 1 6.02 7.09 8.02 8.05 8.09 0
i "Bell" 0.5 3 8.09 -15 0.5'

# name | score | min s | max s | expected message ("" = must succeed)
cases=(
  "good|$good_score|3|5|"
  "too short for its place|$good_score|10|20|length outside 10..20 s"
  "too long for its place|$good_score|1|3|length outside 1..3 s"
  "cut off at the end|i \"Mix\" 0 4 0.1 0
i \"Drone\" 0 4 6.02 -14 0.01|3|5|no clean start or end"
  "starting with a click|i \"Mix\" 0 4 0 1
i \"Drone\" 0 4 6.02 -14 0.01|3|5|no clean start or end"
  "silent|i \"Mix\" 0 4 0.1 1|3|5|the render is silent"
  "dropping out in the middle|i \"Mix\" 0 40 0.5 1
i \"Chord\" 0 14 -27 900 1 6.02 7.09 8.02 8.05 8.09 0
i \"Chord\" 22 17 -27 900 1 6.02 7.09 8.02 8.05 8.09 0|30|50|drop-out of"
  "holding through a short breath|i \"Mix\" 0 40 0.5 1
i \"Chord\" 0 18 -27 900 1 6.02 7.09 8.02 8.05 8.09 0
i \"Chord\" 20 19 -27 900 1 6.02 7.09 8.02 8.05 8.09 0|30|50|"
  "unknown instrument|i \"Theremin\" 0 4 8.00 -10|3|5|csound failed"
)

for entry in "${cases[@]}"; do
  IFS='|' read -r -d '' name score min max expected <<<"$entry"
  expected=${expected%$'\n'}
  score_file="$work/${name// /_}.sco"
  output="$work/${name// /_}.mp3"
  printf '%s\n' "$score" >"$score_file"
  if bash "$render" "$orchestra" "$score_file" "$output" "$min" "$max" >"$work/out" 2>"$work/err"; then
    status=0
  else
    status=1
  fi
  if [ -z "$expected" ]; then
    if [ $status -ne 0 ]; then
      fail "$name: the render failed: $(cat "$work/err")"
      continue
    fi
    # Measured here again, independently of the renderer's own figures.
    lufs=$(ffmpeg -hide_banner -nostats -i "$output" -af ebur128 -f null - 2>&1 |
      awk '/Summary:/ { s = 1 } s && $1 == "I:" { print $2 }')
    awk -v i="${lufs:-0}" 'BEGIN { exit !(i >= -17 && i <= -15) }' ||
      fail "$name: $output is at '${lufs}' LUFS, not -16 +/- 1"
    channels=$(ffprobe -v error -show_entries stream=channels,sample_rate -of csv=p=0 "$output")
    [ "$channels" = "44100,2" ] || fail "$name: $output is '$channels', not 44100 Hz stereo"
  else
    [ $status -ne 0 ] || fail "$name: the render succeeded"
    grep -qF "$score_file" "$work/err" || fail "$name: the error does not name the score: $(cat "$work/err")"
    grep -qF "$expected" "$work/err" || fail "$name: expected '$expected' in: $(cat "$work/err")"
    [ ! -e "$output" ] || fail "$name: an MP3 was left behind"
  fi
done

[ $failures -eq 0 ] && echo "all render cases pass"
exit $((failures > 0))
