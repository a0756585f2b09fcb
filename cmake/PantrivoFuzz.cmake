# The fuzz build (PANTRIVO_FUZZ): the libraries that read stored or imported
# bytes, instrumented for libFuzzer and checked by AddressSanitizer and UBSan,
# and one fuzz target per reader (fuzz/). Included by the top CMakeLists.txt
# in place of the program's own build.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz targets need clang and its libFuzzer: configure with CXX=clang++.")
endif()

set(PANTRIVO_FUZZ_SANITIZERS
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
add_compile_options(${PANTRIVO_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)
add_link_options(${PANTRIVO_FUZZ_SANITIZERS})

# Neither the tests nor the benchmarks: the fuzz targets are the only programs.
set(PANTRIVO_BUILD_TESTS OFF)
set(PANTRIVO_BUILD_BENCH OFF)

include(cmake/PantrivoLayers.cmake)
include(cmake/PantrivoLibraries.cmake)
include(cmake/PantrivoPrecompile.cmake)
add_subdirectory(platform)
# Syncs are no-ops here (platform/basic/disk_sync.cpp): every run writes its
# files afresh in a throwaway folder, and waiting for the disk would only slow it.
target_compile_definitions(pantrivo_basic PRIVATE PANTRIVO_FUZZ)
add_subdirectory(recipes/store)
add_subdirectory(shopping/store)
add_subdirectory(menu_planner/store)
add_subdirectory(food_storage/store)
add_subdirectory(backup/store)
add_subdirectory(fuzz)
