# Warnings for our own code only.
function(quodex_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# A library of one module: quodex_library(name SOURCES ... [LIBS ...])
function(quodex_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  quodex_warnings(${name})
endfunction()

# One of the shipped executables, placed in the program folder.
function(quodex_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUODEX_BIN_DIR})
  quodex_warnings(${name})
endfunction()

# Copies a data file or folder into the program folder when it changes.
function(quodex_program_data target source dest)
  if(IS_DIRECTORY ${source})
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${source} ${QUODEX_BIN_DIR}/${dest})
  else()
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${QUODEX_BIN_DIR}/${dest})
  endif()
endfunction()

# A GoogleTest executable whose cases CTest lists one by one. Widget tests
# run on the offscreen platform so that no display is needed.
function(quodex_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  quodex_warnings(${name})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUODEX_TEST_BIN_DIR=${QUODEX_BIN_DIR}")
endfunction()
