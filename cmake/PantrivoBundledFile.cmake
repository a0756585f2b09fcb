# pantrivo_bundled_file(<target> <file> <what>)
# A read-only file the program comes with: placed beside the program in the
# build, and installed with the pictures in the data folder, where the
# installed program looks for it. <what> names it in the build's messages.
function(pantrivo_bundled_file target file what)
  set(placed ${PANTRIVO_PROGRAM_DIR}/${file})
  add_custom_command(
    OUTPUT ${placed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PANTRIVO_PROGRAM_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${placed}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file}
    COMMENT "Placing ${what} in ${PANTRIVO_PROGRAM_DIR}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${placed})
  install(FILES ${placed} DESTINATION ${PANTRIVO_INSTALL_DATADIR})
endfunction()
