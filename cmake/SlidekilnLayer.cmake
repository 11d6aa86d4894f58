# slidekiln_layer(<target> <folder> [DEPS <targets...>] [EXCLUDE <regex>])
# Makes one static library from every *.cpp under <folder> (not recursing into
# sub-folders, which are layers or backends of their own).
function(slidekiln_layer target folder)
  cmake_parse_arguments(ARG "" "EXCLUDE" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${folder}/*.cpp")
  if(ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${ARG_EXCLUDE}")
  endif()
  if(NOT sources)
    # A layer that has no code yet still exists as a target so others can link it.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# slidekiln_test_suite(<name> <folder> DEPS <targets...>)
# One GoogleTest executable per tests/ folder, each test registered with CTest.
function(slidekiln_test_suite name folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${folder}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources} "${PROJECT_SOURCE_DIR}/tests/support/main/TestMain.cpp")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} slidekiln_test_support GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  gtest_discover_tests(${name}
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
    DISCOVERY_TIMEOUT 60
    # A skipped GoogleTest case counts as skipped, not passed, in CTest's tally.
    PROPERTIES SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endfunction()

# slidekiln_programs(<prefix> <out-var> <sources...>)
# One executable <prefix><name> per source file, linking the targets that the
# file's first line names: "// links: <targets>". <out-var> gets the targets made.
function(slidekiln_programs prefix out)
  set(made)
  foreach(source IN LISTS ARGN)
    get_filename_component(name "${source}" NAME_WE)
    file(STRINGS "${source}" links_line LIMIT_COUNT 1 REGEX "^// links:")
    string(REPLACE "// links:" "" links "${links_line}")
    separate_arguments(links)
    add_executable(${prefix}${name} "${source}")
    target_link_libraries(${prefix}${name} PRIVATE ${links})
    list(APPEND made ${prefix}${name})
  endforeach()
  set(${out} ${made} PARENT_SCOPE)
endfunction()
