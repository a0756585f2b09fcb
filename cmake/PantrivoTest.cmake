# pantrivo_add_test(<name> SOURCES <files...> LIBS <targets...> [ENV <NAME=value...>] [SHARDS <n>]
#                   [PRECOMPILE <headers...>])
# One GoogleTest executable, registered with CTest as whole runs of the program, not test by
# test: starting the program (and Qt) once per test cost far more than the tests themselves.
# SHARDS splits the program's tests into n CTest tests (GoogleTest's own sharding), so that
# ctest -j still spreads a long program over several processors. Each carries the label
# `quick`, so that make test runs the unit programs before the slower script tests. PRECOMPILE
# names the headers most of its sources include, precompiled with GoogleTest's
# (pantrivo_precompile_headers). A failing
# run shows the program's whole output, ending with GoogleTest's list of the failed tests.
function(pantrivo_add_test name)
  cmake_parse_arguments(ARG "" "SHARDS" "SOURCES;LIBS;ENV;PRECOMPILE" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  pantrivo_precompile_headers(${name} <gtest/gtest.h> ${ARG_PRECOMPILE})
  # GCC 12 at -O2 warns falsely that concatenating std::string temporaries writes out of
  # bounds, overflows or overreads (GCC bug 105329); the tests build strings that way throughout, and
  # the warnings stay on for the program's own code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${name} PRIVATE -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
  endif()
  if(NOT ARG_SHARDS)
    set(ARG_SHARDS 1)
  endif()
  math(EXPR last_shard "${ARG_SHARDS} - 1")
  foreach(shard RANGE ${last_shard})
    if(ARG_SHARDS EQUAL 1)
      set(test_name ${name})
    else()
      set(test_name ${name}.${shard})
    endif()
    set(environment ${ARG_ENV} GTEST_SHARD_INDEX=${shard} GTEST_TOTAL_SHARDS=${ARG_SHARDS})
    add_test(NAME ${test_name} COMMAND ${name})
    set_tests_properties(${test_name} PROPERTIES LABELS quick ENVIRONMENT "${environment}")
  endforeach()
endfunction()

# pantrivo_script_test(<name> COMMAND <command...>)
# A test that runs a script over the build or the source tree; labelled `slow`, so make test
# runs it after the unit programs.
function(pantrivo_script_test name)
  cmake_parse_arguments(ARG "" "" "COMMAND" ${ARGN})
  add_test(NAME ${name} COMMAND ${ARG_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS slow)
endfunction()
