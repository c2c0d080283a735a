#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# Builds the page build/web/aggir.html with Debian's Emscripten:
#   scripts/web.sh          the page
#   scripts/web.sh test     the page, the desktop pieces its tests compare with, and the tests
#                           (the unit tests under node, the page in headless chromium)
# Libraries come from Debian's source packages, compiled with emcc once into build/web-deps
# (Emscripten's ports, which download, are never used); the page's npm packages are those of
# web/package-lock.json, installed there too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh web
deps=$PWD/build/web-deps
# Debian's emcc runs its JavaScript tools with node, which finds them among Debian's modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
jobs=(-j 2)

# Each library the page links is built once from its Debian source package: its sources
# copied into build/web-deps/build/NAME, then build_NAME installs it into build/web-deps/NAME
# (lib/, include/), which CMake is given. Those the writer will need for names in every
# alphabet (HarfBuzz, FriBidi, FreeType) go the same way.
from_debian() {
  local name=$1
  scripts/setup.sh source "$deps/src" "$name"
  rm -rf "$deps/build/$name" "$deps/$name"
  mkdir -p "$deps/build" "$deps/$name/lib" "$deps/$name/include"
  cp -r "$(ls -d "$deps/src/$name"-*/ | head -n 1)" "$deps/build/$name"
  (cd "$deps/build/$name" && "build_$name")
}

# zlib, for the checksum of the evaluation a sheet stores.
build_zlib() {
  CHOST=wasm32 emconfigure ./configure --static >/dev/null
  nice -n 10 emmake make "${jobs[@]}" libz.a >/dev/null
  cp libz.a "$deps/zlib/lib/"
  cp zlib.h zconf.h "$deps/zlib/include/"
}

# The npm packages of the lock file, again only when it changed.
install_npm() {
  mkdir -p "$deps/npm"
  if cmp -s web/package-lock.json "$deps/npm/package-lock.json" && [ -d "$deps/npm/node_modules" ]; then
    return
  fi
  cp web/package.json web/package-lock.json "$deps/npm/"
  # No install scripts: nothing is fetched beyond the packages themselves.
  (cd "$deps/npm" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
}

[ -f "$deps/zlib/lib/libz.a" ] || from_debian zlib
install_npm
emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release -DAGGIR_WERROR=ON \
  -DAGGIR_BUILD_WEB=ON -DAGGIR_BUILD_APP=OFF -DAGGIR_BUILD_BENCH=OFF -DAGGIR_BUILD_TESTS=ON \
  -DZLIB_LIBRARY="$deps/zlib/lib/libz.a" -DZLIB_INCLUDE_DIR="$deps/zlib/include" \
  -DAGGIR_NODE_MODULES="$deps/npm/node_modules" -DAGGIR_DESKTOP_BUILD="$PWD/build" >/dev/null
nice -n 10 cmake --build build/web "${jobs[@]}"
echo "build/web/aggir.html"

if [ "${1:-}" = test ]; then
  # The desktop's program, model and sheet, which the page's tests compare with.
  scripts/build.sh --target aggir aggir_sheet_sample desktop_model
  ctest --test-dir build/web --output-on-failure
fi
