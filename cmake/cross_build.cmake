# A cross build: the game, the robot and the level tool for another target.
# The content generators run only on the build machine, so the cross build
# links the data.zip a native build packed (TESS_NATIVE_BUILD).
set(TESS_NATIVE_BUILD ${CMAKE_SOURCE_DIR}/build CACHE PATH "The native build whose data.zip is linked in")
set(TESS_ARCHIVE_FILE ${TESS_NATIVE_BUILD}/data.zip)
if(NOT EXISTS ${TESS_ARCHIVE_FILE})
  message(FATAL_ERROR "${TESS_ARCHIVE_FILE} is missing: build the native tree first (scripts/build.sh)")
endif()
add_custom_target(tess_data)
if(EMSCRIPTEN)
  # The browser preloads data.zip beside the program (cmake/web/web_build.cmake).
  add_library(tess_archive_blob STATIC ${CMAKE_SOURCE_DIR}/app/preloaded_archive.cpp)
  target_include_directories(tess_archive_blob PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tess_archive_blob PUBLIC tess_platform PRIVATE tess_warnings)
else()
  if(WIN32)
    set(TESS_BLOB_TEMPLATE ${CMAKE_SOURCE_DIR}/cmake/windows/embedded_data_zip.S.in)
  endif()
  include(${CMAKE_SOURCE_DIR}/cmake/archive_blob.cmake)
endif()

include(${CMAKE_SOURCE_DIR}/cmake/test_input.cmake)
add_subdirectory(tools/robot)
if(NOT EMSCRIPTEN)
  add_subdirectory(tools/level_tool)
endif()
