# data.zip in the executable: an .incbin of ${TESS_ARCHIVE_FILE}, reassembled
# whenever the archive changes. The assembler source fits the target's object
# format (TESS_BLOB_TEMPLATE; ELF unless set). tess_data makes the archive.
if(NOT TESS_BLOB_TEMPLATE)
  set(TESS_BLOB_TEMPLATE ${CMAKE_SOURCE_DIR}/tools/pack_archive/embedded_data_zip.S.in)
endif()
set(tess_blob_source ${CMAKE_BINARY_DIR}/archive/embedded_data_zip.S)
configure_file(${TESS_BLOB_TEMPLATE} ${tess_blob_source} @ONLY)
set_source_files_properties(${tess_blob_source} PROPERTIES OBJECT_DEPENDS ${TESS_ARCHIVE_FILE})
add_library(tess_archive_blob STATIC ${tess_blob_source}
  ${CMAKE_SOURCE_DIR}/app/embedded_archive.cpp)
target_include_directories(tess_archive_blob PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tess_archive_blob PUBLIC tess_platform PRIVATE tess_warnings)
add_dependencies(tess_archive_blob tess_data)
