# tess_joined_text(TO LINE_END PART...): writes TO as the parts one after the
# other, each a file headed by its title when one is given (title|file), with
# LINE_END ending each line ("\n", or "\r\n" as Windows editors want).
function(tess_joined_text to line_end)
  set(text "")
  foreach(part ${ARGN})
    string(REPLACE "|" ";" part "${part}")
    list(LENGTH part length)
    list(GET part -1 from)
    if(length EQUAL 2)
      list(GET part 0 title)
      string(APPEND text "\n==== ${title} ====\n\n")
    endif()
    file(READ ${from} content)
    string(APPEND text "${content}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${from})
  endforeach()
  string(REPLACE "\n" "${line_end}" text "${text}")
  file(WRITE ${to} "${text}")
endfunction()

# The licences of the libraries a cross build links, as their Debian source
# packages state them (cmake/deps/build-deps.sh keeps each beside its build),
# after HEADER; more title|file parts may follow.
function(tess_libraries_text to line_end header)
  set(parts ${header})
  foreach(prefix ${TESS_DEPS_PREFIXES})
    if(EXISTS ${prefix}/copyright)
      get_filename_component(name ${prefix} NAME)
      list(APPEND parts "${name}|${prefix}/copyright")
    endif()
  endforeach()
  tess_joined_text(${to} "${line_end}" ${parts} ${ARGN})
endfunction()
