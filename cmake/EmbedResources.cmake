# slidekiln_embed_resources(<target> <root> <files...>)
# Compiles the given files into a static library as byte arrays, looked up at run
# time by their path relative to <root> (see src/platform/EmbeddedResources.h).
function(slidekiln_embed_resources target root)
  set(files ${ARGN})
  set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}_data.cpp")
  set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_files.txt")
  string(REPLACE ";" "\n" listing "${files}")
  file(WRITE "${list_file}.in" "${listing}")
  configure_file("${list_file}.in" "${list_file}" COPYONLY)
  add_custom_command(
    OUTPUT "${generated}"
    COMMAND ${CMAKE_COMMAND} -DROOT=${root} -DLIST=${list_file} -DOUT=${generated}
            -P "${PROJECT_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake"
    DEPENDS ${files} "${list_file}" "${PROJECT_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake"
    COMMENT "Embedding resources"
    VERBATIM)
  add_library(${target} STATIC "${generated}")
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
endfunction()
