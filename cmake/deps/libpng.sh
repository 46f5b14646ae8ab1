# libpng: the game's PNG pictures and screenshots.
source_package=libpng1.6
dev_package=libpng-dev
needs=(zlib)
cmake_args=(-DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF
  -Dld-version-script=OFF)
