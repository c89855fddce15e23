#!/usr/bin/env bash
# Builds the release preset and makes the Debian package with CPack. The last line printed is
# the package's path, build/package/qav_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh >&2
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" >&2
rm -rf build/package
cpack --config build/release/CPackConfig.cmake -B build/package >&2
rm -rf build/package/_CPack_Packages
debs=(build/package/qav_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || { echo "package.sh: CPack made no package" >&2; exit 1; }
echo "${debs[0]}"
