#!/usr/bin/env bash
# Builds res/dravik.wav, the sound Kelvoro plays when the bin is emptied:
# a soft puff of filtered noise (the rubbish going out) under a rising
# three-note chime (E5, G#5, B5) with a gentle ringing tail.
#
# Needs only sox.  Every sox call runs with -R (repeatable: the noise
# generator is seeded the same way each time) and -D (no dither), so the
# output is byte-identical from run to run on the same sox version.
#
#   bash res/tools/make_sound.sh
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$here/../dravik.wav"
rate=22050
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

SOX=(sox -R -D -V1)

# note FREQ START LEN NAME: a bell-ish tone, fundamental plus quieter
# second and third partials, fading away over its whole length, then
# delayed to START seconds.
note() {
    local f=$1 start=$2 len=$3 name=$4
    local f2 f3
    f2=$(awk -v f="$f" 'BEGIN { printf "%.2f", f * 2.0 }')
    f3=$(awk -v f="$f" 'BEGIN { printf "%.2f", f * 3.01 }')
    "${SOX[@]}" -n -r $rate -c 1 "$tmp/$name-a.wav" synth "$len" sine "$f"
    "${SOX[@]}" -n -r $rate -c 1 "$tmp/$name-b.wav" synth "$len" sine "$f2"
    "${SOX[@]}" -n -r $rate -c 1 "$tmp/$name-c.wav" synth "$len" sine "$f3"
    "${SOX[@]}" -m -v 0.70 "$tmp/$name-a.wav" -v 0.22 "$tmp/$name-b.wav" \
        -v 0.08 "$tmp/$name-c.wav" "$tmp/$name.wav" \
        fade h 0.006 "$len" "$(awk -v l="$len" 'BEGIN { print l - 0.006 }')" \
        pad "$start"
}

note 659.26 0.10 0.85 n1
note 830.61 0.24 0.82 n2
note 987.77 0.38 0.80 n3

# The puff: pink noise through a band-pass, swelling in and out.
"${SOX[@]}" -n -r $rate -c 1 "$tmp/puff.wav" synth 0.50 pinknoise \
    band -n 1400 1200 highpass 300 fade h 0.18 0.50 0.30

"${SOX[@]}" -m -v 0.30 "$tmp/puff.wav" -v 0.45 "$tmp/n1.wav" \
    -v 0.45 "$tmp/n2.wav" -v 0.50 "$tmp/n3.wav" "$tmp/mix.wav"

# Room for the reverb tail, then level, length and a last soft fade.
"${SOX[@]}" "$tmp/mix.wav" -r $rate -c 1 -b 16 -e signed-integer "$out" \
    pad 0 0.30 reverb 25 50 35 gain -n -3 trim 0 1.30 fade t 0 1.30 0.25

echo "wrote $out"
