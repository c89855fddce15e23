#!/usr/bin/env bash
# Builds the WebAssembly module into build/web: qav.mjs (the API, an ES module whose default
# export createQav() works in Node and in browsers), qav-core.mjs and qav.wasm (the analysis
# compiled by Debian's emscripten from text, core, chart, classify, data and pipeline), the station
# catalogue beside them and package.json; then the browser page beside the module (index.html,
# styles, scripts, icon, web app manifest, service worker, font, Portuguese texts). Prints the
# folder last; with --serve, then serves it on 127.0.0.1 (port $QAV_PORT, default 8000) and
# prints the address.
#
#   scripts/web.sh [--serve] [BUILD_DIR]
#
# BUILD_DIR (default build/release) must be configured and built: the include paths and the
# generated headers (version, font metrics) are taken from it.
set -euo pipefail
cd "$(dirname "$0")/.."
serve=0
if [ "${1:-}" = --serve ]; then serve=1; shift; fi
build=${1:-build/release}
commands="$build/compile_commands.json"
command -v em++ >/dev/null || { echo "web.sh: em++ not found; scripts/install-deps.sh installs emscripten" >&2; exit 1; }
[ -f "$commands" ] || { echo "web.sh: $commands not found; configure and build $build first" >&2; exit 1; }
out=build/web
work=build/web-obj
mkdir -p "$out" "$work/include"
for lib in fmt fast_float; do ln -sfn "/usr/include/$lib" "$work/include/$lib"; done
# em++'s optimiser runs on Node, which may not look in Debian's module folder (acorn).
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
# Debian's frozen cache, read-only for users: a cache in the build tree linking to its files.
if [ -z "${EM_CACHE:-}" ]; then
  cache=$(em-config CACHE 2>/dev/null || true)
  if [ -n "$cache" ] && ! [ -w "$cache" ]; then
    mkdir -p "$work/cache"
    for entry in "$cache"/*; do ln -sfn "$entry" "$work/cache/$(basename "$entry")"; done
    export EM_CACHE="$PWD/$work/cache"
  fi
fi

# The portable layers' sources and the union of their -I/-D flags outside /usr.
python3 - "$commands" "$PWD" > "$work/sources" <<'PY'
import json, os, shlex, sys
root = sys.argv[2]
layers = ("text/", "core/", "chart/", "classify/", "data/", "pipeline/")
files, flags = [], []
for entry in json.load(open(sys.argv[1])):
    path = os.path.relpath(os.path.join(entry["directory"], entry["file"]), root)
    if not path.startswith(layers) or path.startswith("chart/qt/") or not path.endswith(".cpp"):
        continue
    files.append(path)
    args = entry.get("arguments") or shlex.split(entry["command"])
    for i, a in enumerate(args):
        for prefix in ("-I", "-isystem", "-D"):
            if a.startswith(prefix):
                value = a[len(prefix):] or (args[i + 1] if i + 1 < len(args) else "")
                if prefix == "-D":
                    flag = "-D" + value
                else:
                    folder = os.path.abspath(os.path.join(entry["directory"], value))
                    flag = None if folder.startswith("/usr/") else "-I" + folder
                if flag and flag not in flags:
                    flags.append(flag)
                break
print(shlex.join(flags))
for f in sorted(set(files)):
    print(f)
PY
# The flags as a response file: em++ reads its quoting, the shell would not.
{ echo "-std=c++20 -Oz -fwasm-exceptions -Wall -Wextra -Wpedantic -I$PWD/$work/include"; head -1 "$work/sources"; } > "$work/flags.rsp"

# One object per source, rebuilt when the source is newer; all of them when a header is.
newest=$(find text core chart classify data pipeline web "$build" -path web/page -prune -o -name '*.h' -newer "$work/headers.stamp" -print -quit 2>/dev/null || true)
if [ -n "$newest" ] || ! [ -f "$work/headers.stamp" ]; then rm -f "$work"/*.o; touch "$work/headers.stamp"; fi
tail -n +2 "$work/sources" > "$work/files"
echo web/qav_module.cpp >> "$work/files"
export work
xargs -P 2 -I{} sh -c '
  obj="$work/$(echo "{}" | tr / _).o"
  [ "$obj" -nt "{}" ] || em++ @"$work/flags.rsp" -c "{}" -o "$obj" || { echo "web.sh: em++ failed on {}" >&2; exit 255; }
' < "$work/files"
objects=$(sed "s|/|_|g; s|^|$work/|; s|\$|.o|" "$work/files")
em++ -Oz -fwasm-exceptions --bind $objects -o "$out/qav-core.mjs" \
  -sENVIRONMENT=web -sEXPORT_ES6=1 -sMODULARIZE=1 -sEXPORT_NAME=createQavCore \
  -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0 -sMALLOC=emmalloc
mv "$out/qav-core.wasm" "$out/qav.wasm"
cp web/qav.mjs web/package.json "$out/"
cp data/stations/stations-1991-2020.csv "$out/"

# The page. Its font is the shipped DejaVu Sans cut to the Latin scripts of place names and the
# signs the pictures draw (°, ′ ″, −, ×, dashes, quotes), as WOFF2: about 15 KB a weight.
page=web/page
cp $page/index.html $page/page.css $page/main.js $page/texts.js $page/svg_view.js $page/reader.worker.js \
   $page/manifest.webmanifest dist/qav.svg "$out/"
python3 text/make_texts.py text/qav_pt_BR.ts $page "$out/texts-pt_BR.json"
fontpy=python3
python3 -c 'import fontTools' 2>/dev/null || fontpy=/usr/bin/python3  # Debian's, with python3-fonttools
for weight in "" -Bold; do
  woff="$out/dejavu-sans$(echo "$weight" | tr A-Z a-z).woff2"
  [ "$woff" -nt "chart/fonts/DejaVuSans$weight.ttf" ] && continue
  $fontpy -m fontTools.subset "chart/fonts/DejaVuSans$weight.ttf" --output-file="$work/font$weight.ttf" \
    --unicodes=U+0020-007E,U+00A0-017F,U+2013-2014,U+2018-201E,U+2022,U+2026,U+2032-2033,U+2212,U+00D7 \
    --layout-features=kern,liga --no-hinting 2>/dev/null
  woff2_compress "$work/font$weight.ttf" >/dev/null 2>&1
  mv "$work/font$weight.woff2" "$woff"
done
# The service worker caches every file of the page at installation (the catalogue when first
# used); its cache is named after their content, so each new build replaces it.
files=$(cd "$out" && ls | grep -v -e '^sw\.js$' -e '^package\.json$' -e '\.csv$' | sort)
hash=$(cd "$out" && cat $files | sha256sum | cut -c1-16)
list=$(printf "'./', "; for f in $files; do printf "'%s', " "$f"; done)
sed -e "s|@HASH@|$hash|" -e "s|/\*@FILES@\*/|${list%, }|" $page/sw.js > "$out/sw.js"
echo "$out"
if ((serve)); then exec python3 $page/serve.py "$out" "${QAV_PORT:-8000}"; fi
