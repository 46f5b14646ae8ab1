# The browser side of a cross build: tessalune.js and tessalune.wasm, the
# preloaded data.zip (tessalune.data) and the page (platform/web/site/),
# gathered in site/ ready to serve.
set(TESS_SITE_DIR ${CMAKE_BINARY_DIR}/site)
set(tess_web_dir ${CMAKE_SOURCE_DIR}/platform/web)

# ASYNCIFY lets the presents made in the middle of work (the loading bar, the
# wait of a screen-mode change) hand the browser its frame and carry on.
# SDL's own audio resumes on the first click or key ($autoResumeAudioContext;
# the names go through a file, out of the shell's reach).
set(tess_web_library_funcs ${CMAKE_BINARY_DIR}/library_funcs.json)
file(WRITE ${tess_web_library_funcs} "[\"$autoResumeAudioContext\", \"$dynCall\"]\n")
set(tess_web_link_options
  -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB
  -sENVIRONMENT=web -sFORCE_FILESYSTEM=1 -lidbfs.js
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${tess_web_library_funcs}
  "SHELL:--preload-file ${TESS_ARCHIVE_FILE}@/data.zip"
  "SHELL:--pre-js ${tess_web_dir}/pre.js")
foreach(program tessalune tessalune_robot)
  target_link_options(${program} PRIVATE ${tess_web_link_options})
  set_property(TARGET ${program} APPEND PROPERTY LINK_DEPENDS ${TESS_ARCHIVE_FILE}
    ${tess_web_dir}/pre.js)
endforeach()
set_target_properties(tessalune PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${TESS_SITE_DIR})
# The robot's short game in the browser, a test: its own page beside the game's.
set(tess_robot_site ${CMAKE_BINARY_DIR}/robot-site)
set_target_properties(tessalune_robot PROPERTIES SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${tess_robot_site})
add_custom_command(OUTPUT ${tess_robot_site}/index.html
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/tests/web/robot.html
          ${tess_robot_site}/index.html
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/web/robot.html)
add_custom_target(web_robot_page ALL DEPENDS ${tess_robot_site}/index.html)

# The page, its script and the favicon the native build painted.
set(tess_site_files "")
foreach(name index.html page.js)
  add_custom_command(OUTPUT ${TESS_SITE_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${tess_web_dir}/site/${name} ${TESS_SITE_DIR}/${name}
    DEPENDS ${tess_web_dir}/site/${name})
  list(APPEND tess_site_files ${TESS_SITE_DIR}/${name})
endforeach()
set(tess_favicon ${TESS_NATIVE_BUILD}/icons/hicolor/32/apps/tessalune.png)
add_custom_command(OUTPUT ${TESS_SITE_DIR}/favicon.png
  COMMAND ${CMAKE_COMMAND} -E copy ${tess_favicon} ${TESS_SITE_DIR}/favicon.png
  DEPENDS ${tess_favicon})
list(APPEND tess_site_files ${TESS_SITE_DIR}/favicon.png)
add_custom_target(web_site ALL DEPENDS ${tess_site_files})

# The browser tests' view into the running game (tests/web/).
target_sources(tessalune PRIVATE ${CMAKE_SOURCE_DIR}/tests/web/page_hook.cpp)
target_link_options(tessalune PRIVATE "-sEXPORTED_FUNCTIONS=['_main','_free']"
  "-sEXPORTED_RUNTIME_METHODS=['allocateUTF8','UTF8ToString']")

# The game's licence and credits, and the licences of what is compiled in.
include(${CMAKE_SOURCE_DIR}/cmake/joined_text.cmake)
tess_joined_text(${TESS_SITE_DIR}/COPYING.txt "\n" ${CMAKE_SOURCE_DIR}/packaging/copyright)
tess_joined_text(${TESS_SITE_DIR}/CREDITS.txt "\n" ${CMAKE_SOURCE_DIR}/CREDITS)
tess_libraries_text(${TESS_SITE_DIR}/LIBRARIES.txt "\n"
  ${CMAKE_SOURCE_DIR}/packaging/web/libraries-header.txt
  "emscripten runtime|/usr/share/doc/emscripten/copyright")
