#!/usr/bin/env bash
# Starts qav on a virtual X screen (Xvfb), waits until its window is drawn and saves a picture
# of the screen (default docs/screenshot.png). The window takes its language from the locale:
# LANG=pt_BR.UTF-8 scripts/screenshot.sh build/release 1024x768 docs/screenshot-pt_BR.png
#   scripts/screenshot.sh [BUILD_DIR] [WIDTHxHEIGHT] [OUTPUT]   (defaults: build/release, 1024x768)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
size=${2:-1024x768}
output=${3:-docs/screenshot.png}
qav="$build/app/qav"
[ -x "$qav" ] || { echo "screenshot.sh: $qav not found; build the qav target first" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "screenshot.sh: Xvfb is not installed (apt-get install xvfb)" >&2; exit 1; }
command -v import >/dev/null || { echo "screenshot.sh: import is not installed (apt-get install imagemagick)" >&2; exit 1; }

source scripts/xvfb.sh
xvfb_pid=""
qav_pid=""
cleanup() {
  [ -n "$qav_pid" ] && kill "$qav_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT

start_xvfb "$size"
"$qav" &
qav_pid=$!
# The window is drawn within a fraction of a second; leave the fonts and the X server time.
sleep 2
kill -0 "$qav_pid" 2>/dev/null || { echo "screenshot.sh: qav exited early" >&2; exit 1; }

mkdir -p "$(dirname "$output")"
import -display "$DISPLAY" -window root "$output"
echo "$output ($size)"
