#!/usr/bin/env bash
# Guards a change that must not change what qav-cli writes: runs a fixed set of qav-cli commands
# (every built-in location as CSV and JSON, a generated weather file, the data-set exports,
# psychro points, and the pixels of saved pictures) and compares the outputs byte for byte.
#
#   scripts/check_outputs.sh record DIR [BUILD_DIR]    save the outputs in DIR (before the change)
#   scripts/check_outputs.sh compare DIR [BUILD_DIR]   run again and compare with DIR
#
# BUILD_DIR defaults to build/release; qav-cli must be built. Pictures are compared by their
# decoded pixels (ImageMagick), since their text chunks may carry new metadata.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
ref=${2:-}
build=${3:-build/release}
[[ ( "$mode" == record || "$mode" == compare ) && -n "$ref" ]] || {
  sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}
cli="$build/app/qav-cli"
[ -x "$cli" ] || { echo "check_outputs.sh: $cli not found; build the qav-cli target first" >&2; exit 1; }
command -v convert >/dev/null || { echo "check_outputs.sh: convert is not installed (imagemagick)" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out="$work/out"
mkdir -p "$out"

# A weather year from a formula (no file outside the repository is read): a daily swing of
# 10 degrees around a seasonal mean, humidity falling as it warms, and a few missing hours.
epw="$work/generated.epw"
awk 'BEGIN {
  print "LOCATION,Generated Town,ST,Nowhere,TEST,000000,-23.50,-46.60,-3.0,760.0"
  for (i = 2; i <= 8; ++i) print "HEADER LINE " i ",1,2,3"
  split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
  n = 0
  for (m = 1; m <= 12; ++m) for (d = 1; d <= days[m]; ++d) for (h = 1; h <= 24; ++h) {
    n++
    t = 18 + 6 * cos((m - 1) * 3.14159265 / 6) + 5 * sin((h - 9) * 3.14159265 / 12) + (d % 7) * 0.3
    rh = 85 - 2.5 * (t - 12) + (d % 5)
    if (rh > 100) rh = 100
    if (rh < 5) rh = 5
    if (n % 997 == 0) { dbt = "99.9"; rhs = "999" } else { dbt = sprintf("%.1f", t); rhs = sprintf("%.0f", rh) }
    printf "1999,%d,%d,%d,60,?9?9?9,%s,5.0,%s,92500,0,0,0\n", m, d, h, dbt, rhs
  }
}' > "$epw"

run() {  # run NAME ARGS...: stdout and exit status of qav-cli into out/NAME
  local name=$1
  shift
  local status=0
  "$cli" "$@" > "$out/$name" 2> "$out/$name.err" || status=$?
  echo "$status" > "$out/$name.status"
}

run default analyze
run all.csv analyze --dataset all --all --format csv --jobs 2
run all.json analyze --dataset all --all --format json --jobs 1
run all.table analyze --dataset all --all --format table
run screen.csv analyze --dataset world --all --format csv --screen 1280x720
run epw.csv analyze --epw "$epw" --format csv
run epw.json analyze --epw "$epw" --format json
run epw-recorded.table analyze --epw "$epw" --hours recorded
run mixed.csv analyze --dataset brazil --epw "$epw" --file QAVworld.TXT --all --format csv
run export-brazil export-dataset brazil
run export-south-america export-dataset south-america
run export-world export-dataset world
run psychro-1 psychro --elevation 1160 --t 25 --rh 50 --format json
run psychro-2 psychro --elevation 0 --t 5 --rh 90
run psychro-3 psychro --elevation 0 --t 29 --w 20 --format json
run psychro-4 psychro --elevation 2500 --t 36 --rh 20 --format json
run psychro-5 psychro --elevation 0 --t 45 --rh 10 --format json

# Pictures: the pixels only.
mkdir -p "$work/pictures"
run pictures analyze --dataset brazil --location 5 --chart-dir "$work/pictures" --graph "$work/pictures/graph.png"
run pictures-epw analyze --epw "$epw" --hours recorded --chart-dir "$work/pictures" --jobs 1
for png in "$work"/pictures/*.png; do
  convert "$png" rgb:- | sha256sum | cut -d' ' -f1 > "$out/picture-$(basename "$png" .png)"
done

# The error paths too: their text and status are part of the behaviour.
run missing-file analyze --file /nonexistent/QAVNONE.TXT
run bad-option analyze --format xml

# Outputs name their input files: the generated weather file lives in a fresh folder each run.
for file in "$out"/*; do sed -i "s|$work/|WORK/|g" "$file"; done

if [ "$mode" = record ]; then
  rm -rf "$ref"
  mkdir -p "$ref"
  cp -r "$out/." "$ref/"
  echo "check_outputs.sh: recorded $(ls "$out" | wc -l) outputs in $ref"
  exit 0
fi
if diff -r "$ref" "$out" > "$work/diff"; then
  echo "check_outputs.sh: all $(ls "$out" | wc -l) outputs identical to $ref"
else
  head -n 40 "$work/diff"
  echo "check_outputs.sh: outputs differ from $ref" >&2
  exit 1
fi
