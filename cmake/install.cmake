# Installation and the Debian package.
#
# `cmake --install` puts the game into <prefix>/games with its desktop entry,
# icons, AppStream metainfo, manual pages and package documents; CPack turns
# the same rules into a .deb (scripts/package.sh). The data archive is linked
# into the executable, so nothing else has to be found at run time.
#
# The desktop id is the reverse of the project's own name as a domain.
set(TESS_DESKTOP_ID org.tessalune.Tessalune)
set(TESS_PROJECT_LICENSE "MIT AND OFL-1.1")
set(TESS_MAINTAINER "The Tessalune developers <dev@tessalune.org>")
set(TESS_HOMEPAGE "https://tessalune.org/")
set(TESS_ICON_SIZES 16 24 32 48 64 128 256)

set(tess_pkg_src ${CMAKE_SOURCE_DIR}/packaging)
set(tess_pkg_out ${CMAKE_BINARY_DIR}/packaging)

# Files with the version filled in; manual pages and the changelog gzipped
# without names or times in their headers, as Debian wants them.
configure_file(${tess_pkg_src}/${TESS_DESKTOP_ID}.metainfo.xml
  ${tess_pkg_out}/${TESS_DESKTOP_ID}.metainfo.xml @ONLY)
set(tess_gzipped "")
foreach(name tessalune.6 tessalune-levels.6 changelog)
  configure_file(${tess_pkg_src}/${name} ${tess_pkg_out}/${name} @ONLY)
  add_custom_command(OUTPUT ${tess_pkg_out}/${name}.gz
    COMMAND gzip -9nfk ${tess_pkg_out}/${name}
    DEPENDS ${tess_pkg_out}/${name}
    VERBATIM)
  list(APPEND tess_gzipped ${tess_pkg_out}/${name}.gz)
endforeach()
add_custom_target(tess_packaging_files ALL DEPENDS ${tess_gzipped})
# The desktop icons are painted by the screen-art generator.
add_dependencies(tess_packaging_files screen_art_data)

include(GNUInstallDirs)
set(tess_games_dir games)
set(tess_share_dir ${CMAKE_INSTALL_DATAROOTDIR})
set(tess_doc_dir ${tess_share_dir}/doc/tessalune)

install(TARGETS tessalune tessalune-levels RUNTIME DESTINATION ${tess_games_dir})
install(FILES ${tess_pkg_src}/${TESS_DESKTOP_ID}.desktop
  DESTINATION ${tess_share_dir}/applications)
install(FILES ${tess_pkg_out}/${TESS_DESKTOP_ID}.metainfo.xml
  DESTINATION ${tess_share_dir}/metainfo)
install(FILES ${tess_pkg_out}/tessalune.6.gz ${tess_pkg_out}/tessalune-levels.6.gz
  DESTINATION ${tess_share_dir}/man/man6)
install(FILES ${tess_pkg_src}/copyright ${tess_pkg_out}/changelog.gz ${CMAKE_SOURCE_DIR}/CREDITS
  DESTINATION ${tess_doc_dir})

# The desktop icons come from the screen-art generator, beside the build.
set(tess_icon_dir ${CMAKE_BINARY_DIR}/icons/hicolor)
foreach(size ${TESS_ICON_SIZES})
  install(FILES ${tess_icon_dir}/${size}/apps/tessalune.png
    DESTINATION ${tess_share_dir}/icons/hicolor/${size}x${size}/apps
    RENAME ${TESS_DESKTOP_ID}.png)
endforeach()
install(FILES ${tess_icon_dir}/scalable/apps/tessalune.svg
  DESTINATION ${tess_share_dir}/icons/hicolor/scalable/apps
  RENAME ${TESS_DESKTOP_ID}.svg)

# Installing builds only what it installs, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessalune)
set(CPACK_PACKAGE_VENDOR "The Tessalune developers")
set(CPACK_PACKAGE_CONTACT "${TESS_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile-pair puzzle game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESS_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESS_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The body of the description; CPack puts the summary above it, indents
# every line and turns the empty one into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Click two tiles that show the same picture: when a route of at most three
straight segments through empty cells joins them, the route is drawn and both
tiles vanish. Clear the board before the time runs out.

Fifty story levels lead through five locations. Bonus items give score,
undos, retries, hints and time, and picture pieces complete the picture of
each location. A relaxed mode replays reached levels with a chosen tile set,
background and song.")
# SDL opens OpenGL through libGL (X11) or libEGL (Wayland) at run time, so
# shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libegl1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
include(CPack)
