#!/usr/bin/env bash
# Times the image effects against ImageMagick's nearest operations on the same picture, in the
# same run, and prints each ratio with its target; then the effects on a page-sized picture.
# Usage: bench/effects.sh <build folder> [width height]     (default 4000 x 3000)
set -euo pipefail
build="${1:?usage: bench/effects.sh <build folder> [width height]}"
width="${2:-4000}"
height="${3:-3000}"
bench="$build/bench/bench_effects"
if [ -f "$build/CMakeCache.txt" ]; then
  cmake --build "$build" --target bench_effects >/dev/null
fi
[ -x "$bench" ] || { echo "no $bench" >&2; exit 1; }

# A stand-in named convert may sit on the path; only ImageMagick's own will do.
if ! convert -version 2>/dev/null | grep -q '^Version: ImageMagick'; then
  apt-get install -y -qq imagemagick >/dev/null
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$bench" "$width" "$height" --ppm "$tmp/in.ppm"

# Mean milliseconds of one convert operation on the picture.
convert_ms() {
  if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 1 --runs 5 --export-json "$tmp/h.json" \
      "convert $tmp/in.ppm $1 $tmp/out.ppm" >/dev/null 2>&1
    python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["mean"]*1000)' "$tmp/h.json"
  else
    convert "$tmp/in.ppm" $1 "$tmp/out.ppm"
    local start end
    start=$(date +%s%N)
    for _ in 1 2 3 4 5; do convert "$tmp/in.ppm" $1 "$tmp/out.ppm"; done
    end=$(date +%s%N)
    echo $(((end - start) / 5000000))
  fi
}

echo "== ${width} x ${height}: each effect against ImageMagick (target: ratio <= 0.25) =="
declare -A reference
for op in "-emboss 1" "-modulate 120" "-spread 5" "-colorspace Gray" "-sepia-tone 80%"; do
  reference["$op"]=$(convert_ms "$op")
done
"$bench" "$width" "$height" > "$tmp/ours.txt"
while read -r name ms; do
  case "$name" in
    emboss*) op="-emboss 1" ;;
    colour_shift | sine_shift) op="-modulate 120" ;;
    pixel_*) op="-spread 5" ;;
    greys) op="-colorspace Gray" ;;
    sepia | adjustable_sepia) op="-sepia-tone 80%" ;;
    *) continue ;;
  esac
  awk -v name="$name" -v ms="$ms" -v op="$op" -v ref="${reference[$op]}" 'BEGIN {
    ratio = ms / ref
    printf "%-24s %8.1f ms   convert %-16s %8.1f ms   ratio %.3f (target <= 0.25) %s\n",
      name, ms, op, ref, ratio, (ratio <= 0.25 ? "ok" : "OVER") }'
done < "$tmp/ours.txt"

echo "== 689 x 469, the page background (target: < 10 ms each) =="
"$bench" 689 469 | awk '{ printf "%-24s %8.2f ms (target < 10 ms) %s\n", $1, $2, ($2 < 10 ? "ok" : "OVER") }'
