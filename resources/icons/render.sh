#!/bin/sh
# Renders the hand-drawn sources in src/ to the PNGs beside this script.
# Needs rsvg-convert (Debian: librsvg2-bin); the build itself only uses the PNGs.
#   NAME_18.svg -> NAME.png, NAME_36.svg -> NAME@2x.png, tallywise_N.svg -> tallywise-N.png,
#   and the scaled sizes at the end
set -eu
cd "$(dirname "$0")"
for svg in src/*.svg; do
    base=$(basename "$svg" .svg)
    case "$base" in
    application-x-tallywise) continue ;;
    tallywise_*) out="tallywise-${base#tallywise_}.png" ;;
    *_18) out="${base%_18}.png" ;;
    *_36) out="${base%_36}@2x.png" ;;
    *) echo "unknown picture size: $svg" >&2; exit 1 ;;
    esac
    size=$(sed -n 's/.*<svg[^>]* width="\([0-9]*\)".*/\1/p' "$svg" | head -n 1)
    rsvg-convert -w "$size" -h "$size" -o "$out" "$svg"
done

# The other sizes of the desktop's icon theme, scaled from the nearest drawn source, and
# the register file's icon, drawn once.
scaled() { rsvg-convert -w "$2" -h "$2" -o "$3" "src/$1.svg"; }
for size in 22 24; do scaled tallywise_32 "$size" "tallywise-$size.png"; done
for size in 64 128; do scaled tallywise_256 "$size" "tallywise-$size.png"; done
for size in 16 22 24 32 48 64 128 256; do
    scaled application-x-tallywise "$size" "application-x-tallywise-$size.png"
done
