#!/usr/bin/env bash
# Builds the workbench (Release) and starts it. The program keeps its data
# folders (CA/, RT/, ...) in the current directory, so it starts in its build folder.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build/release" -DCMAKE_BUILD_TYPE=Release -DWORKBENCH_TESTS=OFF >/dev/null
cmake --build "$here/build/release" -j"$(nproc)" --target workbench
cd "$here/build/release"
exec ./workbench "$@"
