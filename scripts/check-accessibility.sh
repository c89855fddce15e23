#!/usr/bin/env bash
# Starts qav on a virtual X screen with a D-Bus session and accessibility on, then walks its
# accessibility tree (scripts/check-accessibility.py): every control named, the pictures
# described, no empty or repeated menu entry; the window as it opens, each of its tabs and each
# dialog its menus open; then again with a weather file (tests/data/fixtures/chicago.epw), its
# recorded hours and an adaptive comfort model. Run by hand, in English or with
# LANG=pt_BR.UTF-8; needs at-spi2-core, python3-pyatspi and xdotool.
#   scripts/check-accessibility.sh [BUILD_DIR] [WIDTHxHEIGHT]   (defaults: build/release, 1366x768)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
size=${2:-1366x768}
[ -x "$build/app/qav" ] || { echo "check-accessibility.sh: $build/app/qav not found; build qav first" >&2; exit 1; }
/usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
  { echo "check-accessibility.sh: python3-pyatspi is not installed (apt-get install python3-pyatspi at-spi2-core)" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "check-accessibility.sh: xdotool is not installed" >&2; exit 1; }
if [ -z "${QAV_A11Y_INNER:-}" ]; then
  exec env QAV_A11Y_INNER=1 dbus-run-session -- "$0" "$build" "$size"
fi
source scripts/xvfb.sh
xvfb_pid=""
qav_pid=""
settings=$(mktemp -d)  # a fresh settings folder: no recent files or sites of an earlier run
cleanup() {
  [ -n "$qav_pid" ] && kill "$qav_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$settings"
}
trap cleanup EXIT
start_xvfb "$size"
# The accessibility bus must be up before qav starts, or Qt leaves accessibility off.
/usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0).childCount" 2>/dev/null
status=0
# walk WALK_OPTION [FILE]: starts qav (on FILE), walks it and stops it.
walk() {
  XDG_CONFIG_HOME="$settings" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$build/app/qav" ${2:+"$2"} &
  qav_pid=$!
  sleep 4
  /usr/bin/python3 scripts/check-accessibility.py $1 || status=$?
  kill "$qav_pid" 2>/dev/null || true
  wait "$qav_pid" 2>/dev/null || true
  qav_pid=""
}
echo "== as it opens"
walk ""
echo "== with a weather file"
walk --recorded tests/data/fixtures/chicago.epw
exit "$status"
