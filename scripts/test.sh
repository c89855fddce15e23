#!/usr/bin/env bash
# Installs what is missing, checks the C++ layout, then builds and runs every test through the
# CMake workflow presets: the release build, the WebAssembly module and page (emscripten compiles
# every portable source), the Debian package made from the release build, the AddressSanitizer +
# UndefinedBehaviorSanitizer build, and a short run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# The workflows take no -j: cmake --build and ctest read these.
export CMAKE_BUILD_PARALLEL_LEVEL=$jobs CTEST_PARALLEL_LEVEL=$jobs

echo "== the C++ layout (.clang-format)"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror

echo "== release build and tests"
cmake --workflow --preset release

echo "== the WebAssembly module and page: built, and the module's answers compared with qav-cli's (node --test)"
cmake --workflow --preset wasm
web=build/web
QAV_CLI=build/release/app/qav-cli QAV_WEB="$web" node --test tests/web/qav.test.mjs tests/web/build.test.mjs tests/web/numbers.test.mjs tests/web/finder.test.mjs

echo "== the browser page in headless chromium: shares, files, Portuguese, compare, bad input"
npm ci --prefix web --ignore-scripts --no-audit --no-fund >/dev/null  # axe-core, as web/package-lock.json locks it
QAV_CLI=build/release/app/qav-cli QAV_WEB="$web" node --test tests/web/page.test.mjs tests/web/phone.test.mjs

echo "== Debian package from the release build: unpacked into a temporary root and checked"
deb=$(scripts/package.sh | tail -n 1)
scripts/check-package.sh "$deb"

echo "== sanitizer build (ASan + UBSan) and tests"
cmake --workflow --preset asan

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzz targets, ${QAV_FUZZ_SECONDS:-60} s each"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz -j "$jobs"
  for target in build/fuzz/fuzz/*_fuzz; do
    name=$(basename "$target" _fuzz)
    corpus=$(mktemp -d)
    cp -r "fuzz/corpus/${name}/." "$corpus/" 2>/dev/null || true
    "$target" -max_total_time="${QAV_FUZZ_SECONDS:-60}" -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
    rm -rf "$corpus"
  done
fi
echo "All tests passed."
