# The game's data archive.
#
# Every file under data/ is staged into ${TESS_DATA_DIR} under its lower-cased
# path (one copy step per file, so a change copies only that file). The
# generators write their outputs there directly and name them in their
# manifests (cmake/content_output.cmake). The packer turns the files those
# lists name into ${TESS_STAGE_DIR}/data.zip and writes what it packed to
# ${TESS_ARCHIVE_MANIFEST}; tess_archive_blob carries the archive in whatever
# links it. Included after tools/, so every generator's manifest is known.
set(TESS_ARCHIVE_FILE ${TESS_STAGE_DIR}/data.zip)
set(TESS_ARCHIVE_MANIFEST ${CMAKE_BINARY_DIR}/archive/manifest.txt)
set(tess_authored_manifest ${CMAKE_BINARY_DIR}/archive/authored.txt)

add_executable(pack_archive ${CMAKE_SOURCE_DIR}/tools/pack_archive/pack_archive.cpp)
target_include_directories(pack_archive PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(pack_archive PRIVATE content_manifest PkgConfig::LIBZIP ZLIB::ZLIB
  tess_warnings)

# Staging of the authored files.
file(GLOB_RECURSE tess_authored_files LIST_DIRECTORIES false CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_SOURCE_DIR}/data ${CMAKE_SOURCE_DIR}/data/*)
list(SORT tess_authored_files)
set(tess_staged_files "")
set(tess_authored_lines "")
foreach(relative ${tess_authored_files})
  string(TOLOWER ${relative} staged_relative)
  set(staged ${TESS_DATA_DIR}/${staged_relative})
  if(staged IN_LIST tess_staged_files)
    message(WARNING "data/${relative} differs from another data file only in case; skipped")
    continue()
  endif()
  add_custom_command(OUTPUT ${staged}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/${relative} ${staged}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${relative}
    VERBATIM)
  list(APPEND tess_staged_files ${staged})
  string(APPEND tess_authored_lines "data/${staged_relative}\n")
endforeach()
# Rewritten only when the list changes, so an unchanged tree packs nothing.
file(CONFIGURE OUTPUT ${tess_authored_manifest} CONTENT "${tess_authored_lines}" @ONLY)

get_property(tess_generated_manifests GLOBAL PROPERTY TESS_GENERATED_MANIFESTS)
add_custom_command(OUTPUT ${TESS_ARCHIVE_FILE} ${TESS_ARCHIVE_MANIFEST}
  COMMAND pack_archive ${TESS_ARCHIVE_FILE} ${TESS_STAGE_DIR} ${TESS_ARCHIVE_MANIFEST}
          ${tess_authored_manifest} ${tess_generated_manifests}
  DEPENDS pack_archive ${tess_authored_manifest} ${tess_staged_files} ${tess_generated_manifests}
  COMMENT "Packing data.zip"
  VERBATIM)
add_custom_target(tess_data_archive DEPENDS ${TESS_ARCHIVE_FILE})
add_custom_target(tess_data DEPENDS tess_data_archive)
add_dependencies(tess_data content_data)  # the files the tests read beside the archive

include(${CMAKE_SOURCE_DIR}/cmake/archive_blob.cmake)
