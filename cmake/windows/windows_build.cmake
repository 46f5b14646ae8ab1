# The Windows side of a cross build: the game as a GUI program with its icon,
# version information and application manifest, and the tests run under Wine.
enable_language(RC)
set(tess_win_src ${CMAKE_SOURCE_DIR}/packaging/windows)
set(tess_win_out ${CMAKE_BINARY_DIR}/windows)

# The icon, from the pictures the native build's screen-art generator painted:
# bitmaps up to 128 pixels, the 256-pixel one kept as PNG.
set(tess_icon_dir ${TESS_NATIVE_BUILD}/icons/hicolor)
set(tess_icon_pngs "")
foreach(size 16 24 32 48 64 128)
  list(APPEND tess_icon_pngs ${tess_icon_dir}/${size}/apps/tessalune.png)
endforeach()
set(TESS_ICON_FILE ${tess_win_out}/tessalune.ico)
add_custom_command(OUTPUT ${TESS_ICON_FILE}
  COMMAND icotool --create --raw=${tess_icon_dir}/256/apps/tessalune.png -o ${TESS_ICON_FILE}
          ${tess_icon_pngs}
  DEPENDS ${tess_icon_pngs} ${tess_icon_dir}/256/apps/tessalune.png
  VERBATIM)

set(TESS_MANIFEST_FILE ${tess_win_out}/tessalune.manifest)
configure_file(${tess_win_src}/tessalune.manifest.in ${TESS_MANIFEST_FILE} @ONLY)
configure_file(${tess_win_src}/tessalune.rc.in ${tess_win_out}/tessalune.rc @ONLY)
set_source_files_properties(${tess_win_out}/tessalune.rc PROPERTIES
  OBJECT_DEPENDS "${TESS_ICON_FILE};${TESS_MANIFEST_FILE}")
target_sources(tessalune PRIVATE ${tess_win_out}/tessalune.rc)
set_target_properties(tessalune PROPERTIES WIN32_EXECUTABLE ON)

enable_testing()
add_subdirectory(tests/windows)

# The installer and the portable zip (scripts/package-windows.sh) in
# ${CMAKE_BINARY_DIR}/package/.
set(tess_package_dir ${CMAKE_BINARY_DIR}/package)
set(TESS_INSTALLER_FILE ${tess_package_dir}/Tessalune-Setup-${PROJECT_VERSION}.exe)
set(tess_zip_file ${tess_package_dir}/Tessalune-${PROJECT_VERSION}-portable.zip)
set(TESS_GAME_FILE $<TARGET_FILE:tessalune>)
set(TESS_LEVELS_FILE $<TARGET_FILE:tessalune-levels>)
set(TESS_COPYING_FILE ${tess_win_out}/COPYING.txt)
set(TESS_CREDITS_FILE ${tess_win_out}/CREDITS.txt)
set(TESS_LIBRARIES_FILE ${tess_win_out}/LIBRARIES.txt)

# Texts as Windows editors want them: CR LF line ends.
include(${CMAKE_SOURCE_DIR}/cmake/joined_text.cmake)
tess_joined_text(${TESS_COPYING_FILE} "\r\n" ${CMAKE_SOURCE_DIR}/packaging/copyright)
tess_joined_text(${TESS_CREDITS_FILE} "\r\n" ${CMAKE_SOURCE_DIR}/CREDITS)
# The licences of what is linked into the game: the libraries and the MinGW-w64
# runtime.
tess_libraries_text(${TESS_LIBRARIES_FILE} "\r\n" ${tess_win_src}/libraries-header.txt
  "mingw-w64 runtime|/usr/share/doc/mingw-w64-x86-64-dev/copyright")

configure_file(${tess_win_src}/installer.nsi.in ${tess_win_out}/installer.nsi.in @ONLY)
file(GENERATE OUTPUT ${tess_win_out}/installer.nsi INPUT ${tess_win_out}/installer.nsi.in)
set(tess_portable ${tess_win_out}/portable/Tessalune)
add_custom_target(windows_package
  COMMAND ${CMAKE_COMMAND} -E make_directory ${tess_package_dir} ${tess_portable}
  COMMAND makensis -V2 ${tess_win_out}/installer.nsi
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tessalune> ${TESS_COPYING_FILE}
          ${TESS_CREDITS_FILE} ${TESS_LIBRARIES_FILE} ${tess_portable}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${tess_zip_file}
  COMMAND ${CMAKE_COMMAND} -E chdir ${tess_win_out}/portable
          ${CMAKE_COMMAND} -E tar cf ${tess_zip_file} --format=zip Tessalune
  DEPENDS tessalune tessalune-levels ${TESS_ICON_FILE} ${tess_win_out}/installer.nsi
  COMMENT "Packing the Windows installer and the portable zip"
  VERBATIM)
