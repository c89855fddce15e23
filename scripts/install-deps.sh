#!/usr/bin/env bash
# Installs the Debian 12 packages that QAV needs to build, test and run, if any is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config python3-fonttools
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format-14
  xvfb xauth imagemagick fonts-dejavu-core
  openbox  # a window manager under Xvfb, to check by hand that the first window's frame is on screen
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  dpkg-dev file gzip lintian desktop-file-utils appstream
  locales
  libfmt-dev libfast-float-dev
  emscripten python3 node-acorn
  poppler-utils chromium woff2
  fonts-droid-fallback fonts-lohit-deva  # the reports' letters for Chinese, Japanese and Devanagari names
)
# The WebAssembly module's test runs on Node 18 or later (node --test): Debian's nodejs unless a
# node is already on the path (machines may carry a newer one from another package).
command -v node >/dev/null || packages+=(nodejs)
# The browser page's test packages come from npm. Debian's npm conflicts with the nodejs package
# some machines carry, so it is installed only where no npm is on the path.
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The Portuguese window is checked and photographed under pt_BR.UTF-8, which Debian does not
# generate by default.
if ! locale -a 2>/dev/null | grep -qix 'pt_BR\.utf-\?8'; then
  echo "Generating the pt_BR.UTF-8 locale"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO sed -i 's/^# *\(pt_BR\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^pt_BR\.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
