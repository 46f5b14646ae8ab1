# Builds for the browser (WebAssembly + WebGL 2) with Debian's emscripten. The
# static libraries the game links come from cmake/deps/build-deps.sh; give
# their prefixes as TESS_DEPS_PREFIXES.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../deps_prefixes.cmake)
# Checks that run a program (emscripten's type-size check does) run it in
# node, as the node of the machine takes it: without the flag emcmake passes
# (some node versions refuse it) and without fetch, which cannot read a local
# .wasm file.
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-experimental-fetch)
