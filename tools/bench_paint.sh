#!/bin/bash
# Cost of the look on painting: the gallery dialog (every control kind and
# state) repainted whole, controls included, with the look and without it,
# in one run under the build tree's Wine.
#   bench_paint.sh [repaints]     (default 500; BUILD_DIR picks another build tree)
set -eu
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-$PWD/build}
repaints=${1:-500}
"$build/wine/run" "$build/tools/gallery_nt351.exe" --bench "$repaints" | tr -d '\r'
"$PWD/cmake/wine-session.sh" stop "$build/wine"
