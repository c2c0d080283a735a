# SPDX-License-Identifier: EUPL-1.2
# The page's build: the same layers compiled by Debian's Emscripten (emcmake), the desktop's
# front ends left out. scripts/web.sh configures it, with zlib built from Debian's sources.
if(NOT EMSCRIPTEN)
  message(FATAL_ERROR "AGGIR_BUILD_WEB needs Emscripten: configure with emcmake (scripts/web.sh)")
endif()
if(AGGIR_BUILD_APP OR AGGIR_BUILD_BENCH OR AGGIR_BUILD_FUZZ)
  message(FATAL_ERROR "AGGIR_BUILD_WEB builds the page alone: add -DAGGIR_BUILD_APP=OFF "
                      "-DAGGIR_BUILD_BENCH=OFF")
endif()

# The writer and the sheet raise exceptions that the view catches, as on the desktop.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# Programs other than the page (build tools, tests) run under node, on the host's files.
# Node's own fetch would take the WebAssembly file's path for an address.
find_program(AGGIR_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${AGGIR_NODE} --no-experimental-fetch)
set(AGGIR_NODE_PROGRAM -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)

# The writer's font libraries, compiled from Debian's sources by scripts/web.sh into
# AGGIR_WEB_DEPS/NAME/{include,lib}.
set(AGGIR_WEB_DEPS "${PROJECT_SOURCE_DIR}/build/web-deps" CACHE PATH
  "The libraries scripts/web.sh built with Emscripten")
add_library(aggir_web_font_libraries INTERFACE)
foreach(library utf8proc fribidi freetype harfbuzz)
  target_include_directories(aggir_web_font_libraries SYSTEM INTERFACE
    "${AGGIR_WEB_DEPS}/${library}/include")
  target_link_libraries(aggir_web_font_libraries INTERFACE
    "${AGGIR_WEB_DEPS}/${library}/lib/lib${library}.a")
endforeach()
target_include_directories(aggir_web_font_libraries SYSTEM INTERFACE
  "${AGGIR_WEB_DEPS}/fribidi/include/fribidi" "${AGGIR_WEB_DEPS}/freetype/include/freetype2"
  "${AGGIR_WEB_DEPS}/harfbuzz/include/harfbuzz")
target_compile_definitions(aggir_web_font_libraries INTERFACE UTF8PROC_STATIC)
