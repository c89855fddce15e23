#!/usr/bin/env bash
# Compiles every source of the layers without Qt (core, chart without chart/qt, classify, data,
# pipeline) with emscripten's em++, syntax only, so that nothing the WebAssembly build cannot
# compile slips in unseen: its C++ library (libc++ 13 in Debian's emscripten 3.1.6) has no
# floating-point std::from_chars/to_chars and lacks parts of std::ranges.
#
#   scripts/wasm-check.sh [BUILD_DIR]
#
# The include paths and definitions are the ones BUILD_DIR (default build/release, configured)
# compiles those files with, read from its compile_commands.json; generated headers come along.
# {fmt} and fast_float are reached through a folder of links to their own include folders:
# all of /usr/include on em++'s path would put the system's C library before emscripten's.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
commands="$build/compile_commands.json"
command -v em++ >/dev/null || { echo "wasm-check.sh: em++ not found; scripts/install-deps.sh installs emscripten" >&2; exit 1; }
[ -f "$commands" ] || { echo "wasm-check.sh: $commands not found; configure $build first" >&2; exit 1; }

out=build/wasm-check
mkdir -p "$out/include"
for lib in fmt fast_float; do
  [ -d "/usr/include/$lib" ] || { echo "wasm-check.sh: /usr/include/$lib not found; run scripts/install-deps.sh" >&2; exit 1; }
  ln -sfn "/usr/include/$lib" "$out/include/$lib"
done
# em++'s tools run on Node, which may come from a non-Debian package that does not look in
# Debian's module folder (where acorn is).
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
# Debian's cache is a system folder, frozen (em++ builds nothing into it) but locked by writing
# in it: a user without write access gets a cache in the build tree that links to its headers.
if [ -z "${EM_CACHE:-}" ]; then
  cache=$(em-config CACHE 2>/dev/null || true)
  if [ -n "$cache" ] && ! [ -w "$cache" ]; then
    mkdir -p "$out/cache"
    for entry in sysroot sysroot_install.stamp; do ln -sfn "$cache/$entry" "$out/cache/$entry"; done
    export EM_CACHE="$PWD/$out/cache"
  fi
fi

# One line per file: the file, then its -I/-isystem/-D arguments, outside /usr.
python3 - "$commands" "$PWD" > "$out/files" <<'EOF'
import json, os, shlex, sys
root = sys.argv[2]
layers = ("core/", "chart/", "classify/", "data/", "pipeline/")
for entry in json.load(open(sys.argv[1])):
    path = os.path.relpath(os.path.join(entry["directory"], entry["file"]), root)
    if not path.startswith(layers) or path.startswith("chart/qt/") or not path.endswith(".cpp"):
        continue
    args = entry.get("arguments") or shlex.split(entry["command"])
    flags = []
    for i, a in enumerate(args):
        for prefix in ("-I", "-isystem", "-D"):
            if not a.startswith(prefix):
                continue
            value = a[len(prefix):] or (args[i + 1] if i + 1 < len(args) else "")
            if prefix == "-D":
                flags.append("-D" + value)
            else:
                folder = os.path.abspath(os.path.join(entry["directory"], value))
                if not folder.startswith("/usr/"):
                    flags.append("-I" + folder)
            break
    print(shlex.join([path] + flags))
EOF
count=$(wc -l < "$out/files")
[ "$count" -gt 0 ] || { echo "wasm-check.sh: no sources of the portable layers in $commands" >&2; exit 1; }

start=$(date +%s)
# Each line: the source, then its flags. xargs runs one em++ per file, as many at once as cores.
status=0
xargs -P "$(nproc)" -L 1 sh -c '
  file=$1; shift
  em++ -std=c++20 -fsyntax-only -fexceptions -Wall -Wextra -Wpedantic "$@" -I"'"$PWD/$out/include"'" "$file" ||
    { echo "wasm-check.sh: em++ failed on $file" >&2; exit 255; }
' sh < "$out/files" || status=$?
[ "$status" -eq 0 ] || exit 1
echo "wasm-check.sh: em++ compiled the $count sources of core, chart, classify, data and pipeline ($(( $(date +%s) - start )) s)"
