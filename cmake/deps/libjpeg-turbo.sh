# libjpeg-turbo: the game's JPEG pictures.
source_package=libjpeg-turbo
dev_package=libjpeg62-turbo-dev
cmake_args=(-DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF)
