#!/usr/bin/env bash
# Installs what building, testing and the demo need on Debian 12, and only
# what is missing. Runs as root, or through sudo. Packages named as arguments
# are installed too (the demo's screenshot tool, say).
set -euo pipefail

# qt6-tools-dev brings CMake's qt_add_translations, qt6-l10n-tools lupdate and
# lrelease, qt6-translations-l10n Qt's own texts in other languages.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev libgl-dev librsvg2-bin
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          clang libclang-rt-14-dev ccache xvfb xauth x11-apps fonts-dejavu-core bash-completion "$@")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
