# GoogleTest: the test programs of a cross build.
source_package=googletest
dev_package=libgtest-dev
cmake_args=(-DBUILD_GMOCK=ON -DINSTALL_GTEST=ON)
shipped=no
