#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test, each test case in its own process. Exits non-zero on any failure.
# JOBS sets the number of parallel build and test jobs (default: all cores).
#
# The tests see only the fonts of a fresh install (those tools/install-deps.sh
# installs), whatever else the machine has, so that a window whose captions
# need a font the program does not choose fails here as on any machine. The
# layout tests then run once more with every font the machine has.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/install-deps.sh"
build="$here/build/sanitize"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DWORKBENCH_SANITIZE=ON -DWORKBENCH_TESTS=ON >/dev/null
jobs="${JOBS:-$(nproc)}"
cmake --build "$build" -j"$jobs"

# A fontconfig file with a folder of links to the fresh install's font files,
# the system's rules (aliases, hinting) and no font from anywhere else: the
# rules' own folders and a user's configuration may name further fonts.
fonts="$build/fresh-install-fonts"
rm -rf "$fonts"
mkdir -p "$fonts/files"
"$here/tools/install-deps.sh" --font-files | while read -r file; do ln -s "$file" "$fonts/files/"; done
cat >"$fonts/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$fonts/files</dir>
  <cachedir>$fonts/cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
  <selectfont>
    <rejectfont><glob>*</glob></rejectfont>
    <acceptfont><glob>$fonts/files/*</glob></acceptfont>
  </selectfont>
</fontconfig>
CONF

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
status=0
echo "Every test, with the fonts of a fresh install:"
FONTCONFIG_FILE="$fonts/fonts.conf" ctest -j"$jobs" --output-on-failure --timeout 300 || status=1
echo "The layout tests, with every font of this machine:"
env -u FONTCONFIG_FILE ctest -j"$jobs" --output-on-failure --timeout 300 -R '^WindowLayout\.' || status=1
exit $status
