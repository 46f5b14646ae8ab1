# SDL2: window, OpenGL context, input and audio.
source_package=libsdl2
dev_package=libsdl2-dev
cmake_args=(-DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_TESTS=OFF)
# A plain library: the programs keep their own main, and which of them open no
# console is theirs to say (no SDL2main, no -mwindows).
after_install() {
  sed -i -e 's/ *-lmingw32//g; s/ *-lSDL2main//g; s/ *-mwindows//g' \
    -e 's/-Dmain=SDL_main/-DSDL_MAIN_HANDLED/g' "$1/lib/pkgconfig/sdl2.pc"
}
# The browser build runs on one thread (no SharedArrayBuffer needed): SDL's
# thread functions become stubs, and its audio is fed from the page's own loop.
if [ "$target" = web ]; then
  cmake_args+=(-DSDL_THREADS=OFF)
fi
