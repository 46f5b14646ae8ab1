#!/usr/bin/env bash
# Writes the content report: a contact sheet per tile set, and for every sound
# and song its length, format, peak and loudness, plus a spectrogram per song.
#   make_report.sh <staged data dir> <report dir> <content_contact_sheet>
set -euo pipefail
data="$1"
out="$2"
sheet_tool="$3"
mkdir -p "$out"

for set in "$data"/game/images/tileset*.png; do
  name=$(basename "$set" .png)
  "$sheet_tool" "$set" "$out/$name-sheet.png"
done

report="$out/audio-report.txt"
{
  printf '%-28s %8s %7s %3s %9s %9s\n' file seconds rate ch "peak dB" "RMS dB"
  for file in "$data"/sounds/*.ogg "$data"/music/*.ogg; do
    stats=$(sox "$file" -n stats 2>&1)
    peak=$(awk '/^Pk lev dB/ {print $4}' <<<"$stats")
    rms=$(awk '/^RMS lev dB/ {print $4}' <<<"$stats")
    printf '%-28s %8.2f %7s %3s %9s %9s\n' "${file#"$data"/}" "$(soxi -D "$file")" \
      "$(soxi -r "$file")" "$(soxi -c "$file")" "$peak" "$rms"
  done
} >"$report"

for song in "$data"/music/*.ogg; do
  sox "$song" -n remix 1,2 spectrogram -x 1200 -y 300 -z 90 -t "$(basename "$song")" \
    -o "$out/$(basename "$song" .ogg)-spectrogram.png"
done

cat "$report"
echo "content report: $out"
