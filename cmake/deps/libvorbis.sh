# libvorbis: decodes the game's Ogg Vorbis music and sounds.
source_package=libvorbis
dev_package=libvorbis-dev
needs=(libogg)
cmake_args=(-DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF)
