# The tests' input driver (display, frame length, clicks, pixels) on the
# platform layer alone. The robot drives the game with it too, so every build
# that makes the robot, the cross builds included, defines it here.
add_library(tess_test_input STATIC ${CMAKE_SOURCE_DIR}/tests/support/input_driver.cpp)
target_include_directories(tess_test_input PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(tess_test_input PUBLIC tess_platform PRIVATE tess_warnings)
target_compile_definitions(tess_test_input PRIVATE TESS_BINARY_DIR="${CMAKE_BINARY_DIR}")
