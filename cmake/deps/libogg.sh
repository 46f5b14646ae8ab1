# libogg: the Ogg container of the game's music and sounds.
source_package=libogg
dev_package=libogg-dev
cmake_args=(-DBUILD_SHARED_LIBS=OFF -DINSTALL_DOCS=OFF -DBUILD_TESTING=OFF)
