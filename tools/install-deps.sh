#!/usr/bin/env bash
# Installs the Debian packages the workbench builds and runs with, when missing.
# Shared by ./run.sh and ./test.sh; safe to run again on a machine that has them.
# With --font-files it installs nothing and lists the font files that its font
# packages hold, the fonts a fresh install has (./test.sh runs the tests with them).
set -euo pipefail
font_packages=(fonts-dejavu-core)   # the workbench's font (src/widgets/Look.h) is among them
packages=(g++ cmake make qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev xdg-utils "${font_packages[@]}")
if [ "${1:-}" = --font-files ]; then
  dpkg-query -L "${font_packages[@]}" | grep -E '\.(ttf|otf)$'
  exit 0
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
