#!/usr/bin/env bash
# Time from process start to the first fully drawn window of qav, on a virtual X screen.
# Runs qav several times and prints each figure and the median, in milliseconds.
#   scripts/measure_startup.sh [BUILD_DIR] [RUNS]   (defaults: build/release, 7)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-7}
qav="$build/app/qav"
[ -x "$qav" ] || { echo "measure_startup.sh: $qav not found; build the qav target first" >&2; exit 1; }

source scripts/xvfb.sh
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT
start_xvfb 1024x768
"$qav" --measure-startup >/dev/null  # the first run fills the file caches; not counted
figures=()
for _ in $(seq "$runs"); do
  # The clock is read right before exec, so loading the program and its libraries counts.
  ms=$("$qav" --measure-startup="$(date +%s%N)" | sed -n 's/^startup_ms: //p')
  figures+=("$ms")
  echo "run: $ms ms"
done
printf '%s\n' "${figures[@]}" | sort -n | awk '{a[NR]=$1} END {print "median: " a[int((NR+1)/2)] " ms"}'
