#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts QAV. Without a display it says
# so and prints the start-up analysis with qav-cli instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target qav qav-cli
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/release/app/qav "$@"
fi
echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): printing the start-up analysis instead."
echo
exec build/release/app/qav-cli analyze
