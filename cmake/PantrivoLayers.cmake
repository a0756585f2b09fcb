# pantrivo_check_layer(<static library>)
# Links the library's own code, whole, into a throw-away shared library
# with nothing but the libraries it declares, refusing undefined symbols:
# code that calls into a layer it does not link (a wrong include) fails here.
function(pantrivo_check_layer target)
  # The sanitizers' runtime is linked into executables only, so a shared library
  # of instrumented code always has undefined symbols.
  if(PANTRIVO_FUZZ)
    return()
  endif()
  set(check ${target}_layer_check)
  add_library(${check} SHARED ${PROJECT_SOURCE_DIR}/cmake/layer_check.cpp)
  target_link_libraries(${check} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>")
  target_link_options(${check} PRIVATE -Wl,--no-undefined)
  set_target_properties(${check} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layer-checks)
endfunction()
