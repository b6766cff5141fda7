# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers that keep the top-level list short: every folder globs its own sources,
# so adding a file never means editing the build.

function(tilvane_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# tests/<area>/*.cpp becomes one GoogleTest program test_<area>.
function(tilvane_test_dir dir)
  get_filename_component(area ${dir} NAME)
  if(area STREQUAL "fuzz" OR area STREQUAL "data" OR area STREQUAL "support")
    return()
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  # Each area links only the layer it tests, so a test of the rules never waits
  # for (or breaks with) the windows.
  set(layer tilvane_app)
  if(area STREQUAL "game" OR area STREQUAL "play" OR area STREQUAL "layouts" OR area STREQUAL "tool")
    set(layer tilvane_game)
  elseif(area STREQUAL "field" OR area STREQUAL "tiles")
    set(layer tilvane_field)
  elseif(area STREQUAL "content")
    set(layer tilvane_content)
  endif()
  add_executable(test_${area} ${sources} ${CMAKE_SOURCE_DIR}/tests/support/test_environment.cpp)
  target_link_libraries(test_${area} PRIVATE ${layer} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(test_${area} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tools)
  target_compile_definitions(test_${area} PRIVATE
    TILVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TILVANE_BIN_DIR="${TILVANE_BIN_DIR}")
  set_target_properties(test_${area} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_dependencies(test_${area} tilvane_content_copy)
  if(area STREQUAL "tool" AND TARGET tilvane-tool)
    add_dependencies(test_${area} tilvane-tool)
  endif()
  gtest_discover_tests(test_${area}
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
