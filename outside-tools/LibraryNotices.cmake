# slidekiln_library_notices(<output> <static libraries...>)
# Writes the licence file that travels with the static programs: Slidekiln's
# own notice, then, for each library linked in (and the C library), the
# copyright file of the Debian package that installed it, so that the notices
# are those of the exact libraries built in.
function(slidekiln_library_notices output)
  find_program(dpkg_query dpkg-query REQUIRED)
  find_library(static_c NAMES libc.a REQUIRED)
  file(READ "${CMAKE_CURRENT_SOURCE_DIR}/viewer/licenses-head.txt" notices)
  set(libraries ${ARGN} "${static_c}")
  foreach(library IN LISTS libraries)
    execute_process(COMMAND "${dpkg_query}" --search "${library}"
      OUTPUT_VARIABLE owner RESULT_VARIABLE status ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX REPLACE ":.*" "" package "${owner}")
    set(copyright "/usr/share/doc/${package}/copyright")
    if(NOT status EQUAL 0 OR NOT EXISTS "${copyright}")
      message(FATAL_ERROR "No Debian copyright file found for ${library}: its licence cannot travel with the packages")
    endif()
    execute_process(COMMAND "${dpkg_query}" --show "--showformat=\${Version}" "${package}"
      OUTPUT_VARIABLE version ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(file_name "${library}" NAME)
    file(READ "${copyright}" text)
    string(APPEND notices "\n\n======== ${file_name} (Debian package ${package} ${version}) ========\n\n${text}")
  endforeach()
  # Written through a copy that changes the output only when its text changes,
  # so that a new configuration does not lay out the viewer folders again.
  file(WRITE "${output}.new" "${notices}")
  configure_file("${output}.new" "${output}" COPYONLY)
endfunction()
