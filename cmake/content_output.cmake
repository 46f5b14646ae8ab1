# content_output(<name> [ARCHIVED] [FONTCONFIG] COMMAND <generator target> <args...>
#                [DEPENDS <files...>])
#
# Runs a content generator with "--manifest <file> <stage root>" in front of
# its arguments; it writes ${TESS_MANIFEST_DIR}/<name>.txt naming every file it
# made. The manifest is the rule's output: whatever uses the files depends on
# it. ARCHIVED packs the files into data.zip. FONTCONFIG marks a generator
# that finds fonts through fontconfig, which keeps its caches to the end:
# sanitizer builds do not call that a leak. content_data builds them all.
set(TESS_MANIFEST_DIR ${CMAKE_BINARY_DIR}/manifests)
add_custom_target(content_data ALL)

function(content_output name)
  cmake_parse_arguments(ARG "ARCHIVED;FONTCONFIG" "" "COMMAND;DEPENDS" ${ARGN})
  set(manifest ${TESS_MANIFEST_DIR}/${name}.txt)
  list(POP_FRONT ARG_COMMAND generator)
  set(leaks "")
  if(ARG_FONTCONFIG)
    set(leaks ASAN_OPTIONS=detect_leaks=0)
  endif()
  add_custom_command(OUTPUT ${manifest}
    COMMAND ${CMAKE_COMMAND} -E env ${leaks} $<TARGET_FILE:${generator}>
            --manifest ${manifest} ${TESS_STAGE_DIR} ${ARG_COMMAND}
    DEPENDS ${generator} ${ARG_DEPENDS}
    COMMENT "Generating ${name} with ${generator}"
    VERBATIM)
  add_custom_target(${name}_data DEPENDS ${manifest})
  add_dependencies(content_data ${name}_data)
  if(ARG_ARCHIVED)
    set_property(GLOBAL APPEND PROPERTY TESS_GENERATED_MANIFESTS ${manifest})
  endif()
endfunction()
