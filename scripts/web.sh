#!/usr/bin/env bash
# Builds the WebAssembly module and the browser page into build/web with the wasm workflow preset
# (Debian's emscripten; see web/CMakeLists.txt for what the folder holds) and prints the folder
# last; with --serve, then serves it on 127.0.0.1 (port $QAV_PORT, default 8000).
#
#   scripts/web.sh [--serve]
set -euo pipefail
cd "$(dirname "$0")/.."
serve=0
case "${1:-}" in
  --serve) serve=1 ;;
  "") ;;
  *) echo "usage: scripts/web.sh [--serve]" >&2; exit 2 ;;
esac
command -v em++ >/dev/null || { echo "web.sh: em++ not found; scripts/install-deps.sh installs emscripten" >&2; exit 1; }
cmake --workflow --preset wasm >&2
echo build/web
if ((serve)); then exec python3 web/page/serve.py build/web "${QAV_PORT:-8000}"; fi
