#!/usr/bin/env bash
# Recipe editor figures on a 5,000-recipe book, beside xmllint --format of the same file.
# Usage: bench/editor.sh [build folder]   (the build folder must hold bench_editor and bookgen)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/tools/bookgen/bookgen" 5000 "$tmp/book.xml" >/dev/null
"$build/bench/bench_editor" "$tmp/book.xml" 2>/dev/null > "$tmp/editor.txt"
hyperfine -N --warmup 1 --runs 10 --export-json "$tmp/xmllint.json" \
  "xmllint --format --output $tmp/formatted.xml $tmp/book.xml" >/dev/null
python3 - "$tmp/editor.txt" "$tmp/xmllint.json" <<'PY'
import json, sys
v = dict(l.split()[:2] for l in open(sys.argv[1]) if l.strip())
r = json.load(open(sys.argv[2]))["results"][0]
x = sorted(r["times"])[len(r["times"]) // 2] * 1000
o, p = float(v["editor_open_ms"]), float(v["popraw_ms"])
print(f"xmllint --format: {x:.0f} ms")
print(f"opening the editor on a recipe: {o:.1f} ms (target < 100 ms)")
print(f"\"Popraw\" (build, write, reload, browser and view): {p:.0f} ms   ratio {p/x:.2f} (target <= 1.5)")
PY
