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
# (lib/, include/), which CMake is given (AGGIR_WEB_DEPS). The first build of them all takes
# some minutes on two cores, HarfBuzz most; later builds reuse them.
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

# The optimisation the writer's font libraries are compiled with: size first, as the page
# carries them; their warnings are their maintainers' concern.
lib_flags=(-Oz -DNDEBUG -w)

# utf8proc, for NFC and grapheme clusters: one source file.
build_utf8proc() {
  nice -n 10 emcc "${lib_flags[@]}" -DUTF8PROC_STATIC -c utf8proc.c -o utf8proc.o
  emar rcs "$deps/utf8proc/lib/libutf8proc.a" utf8proc.o
  cp utf8proc.h "$deps/utf8proc/include/"
}

# FriBidi, for the order of right-to-left runs: its tables come generated in the source.
build_fribidi() {
  sed -e 's/@PACKAGE@/fribidi/;s/@PACKAGE_NAME@/GNU FriBidi/;s/@PACKAGE_BUGREPORT@//' \
    -e 's/@FRIBIDI_VERSION@/1.0.8/;s/@FRIBIDI_MAJOR_VERSION@/1/;s/@FRIBIDI_MINOR_VERSION@/0/' \
    -e 's/@FRIBIDI_MICRO_VERSION@/8/;s/@FRIBIDI_INTERFACE_VERSION@/4/g;s/@SIZEOF_INT@/4/' \
    -e 's/@FRIBIDI_MSVC_BUILD_PLACEHOLDER@//' lib/fribidi-config.h.in >lib/fribidi-config.h
  local defines=(-DHAVE_STDLIB_H=1 -DHAVE_STRING_H=1 -DSTDC_HEADERS=1 -DHAVE_STRINGIZE=1
    -DFRIBIDI_BUILD -DFRIBIDI_LIB_STATIC)
  printf '%s\n' lib/*.c | nice -n 10 xargs -P 2 -I{} sh -c \
    'emcc "$@" -Ilib -c "{}" -o "{}.o"' sh "${lib_flags[@]}" "${defines[@]}"
  emar rcs "$deps/fribidi/lib/libfribidi.a" lib/*.o
  mkdir -p "$deps/fribidi/include/fribidi"
  cp lib/fribidi*.h "$deps/fribidi/include/fribidi/"
}

# FreeType, for the faces' metrics and names: the library alone, on the zlib above (else it
# brings its own copy, whose names clash), without the formats it could read through other
# libraries.
build_freetype() {
  emcmake cmake -S . -B out -DCMAKE_BUILD_TYPE=MinSizeRel -DFT_REQUIRE_ZLIB=TRUE \
    -DZLIB_LIBRARY="$deps/zlib/lib/libz.a" -DZLIB_INCLUDE_DIR="$deps/zlib/include" \
    -DFT_DISABLE_BZIP2=TRUE -DFT_DISABLE_PNG=TRUE -DFT_DISABLE_HARFBUZZ=TRUE \
    -DFT_DISABLE_BROTLI=TRUE -DCMAKE_INSTALL_PREFIX="$deps/freetype" >/dev/null
  nice -n 10 cmake --build out "${jobs[@]}" --target freetype >/dev/null
  cp out/libfreetype.a "$deps/freetype/lib/"
  mkdir -p "$deps/freetype/include/freetype2"
  cp -r include/* "$deps/freetype/include/freetype2/"
}

# HarfBuzz, for shaping and subsetting: its amalgamated source, and the sources its subset
# library adds to it, on its own OpenType functions (no FreeType, GLib or ICU), single-threaded
# as the page is.
build_harfbuzz() {
  local defines=(-DHB_NO_MT -fno-exceptions -fno-rtti)
  comm -13 <(grep '#include' src/harfbuzz.cc | sort) \
    <(grep '#include' src/harfbuzz-subset.cc | sort) >src/subset-only.cc
  printf '%s\n' src/harfbuzz.cc src/subset-only.cc | nice -n 10 xargs -P 2 -I{} sh -c \
    'em++ "$@" -std=c++11 -c "{}" -o "{}.o"' sh "${lib_flags[@]}" "${defines[@]}"
  emar rcs "$deps/harfbuzz/lib/libharfbuzz.a" src/harfbuzz.cc.o src/subset-only.cc.o
  mkdir -p "$deps/harfbuzz/include/harfbuzz"
  cp src/hb*.h "$deps/harfbuzz/include/harfbuzz/"
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

for library in zlib:z utf8proc fribidi freetype harfbuzz; do
  name=${library%%:*}
  [ -f "$deps/$name/lib/lib${library#*:}.a" ] || from_debian "$name"
done
install_npm
emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release -DAGGIR_WERROR=ON \
  -DAGGIR_BUILD_WEB=ON -DAGGIR_BUILD_APP=OFF -DAGGIR_BUILD_BENCH=OFF -DAGGIR_BUILD_TESTS=ON \
  -DZLIB_LIBRARY="$deps/zlib/lib/libz.a" -DZLIB_INCLUDE_DIR="$deps/zlib/include" -DAGGIR_WEB_DEPS="$deps" \
  -DAGGIR_NODE_MODULES="$deps/npm/node_modules" -DAGGIR_DESKTOP_BUILD="$PWD/build" >/dev/null
nice -n 10 cmake --build build/web "${jobs[@]}"
echo "build/web/aggir.html"

if [ "${1:-}" = test ]; then
  # The desktop's program, model and sheet, which the page's tests compare with.
  scripts/build.sh --target aggir aggir_sheet_sample desktop_model
  ctest --test-dir build/web --output-on-failure
fi
