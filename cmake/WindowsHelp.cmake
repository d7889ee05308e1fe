# The compiled HTML help file beside the program, named after it, from the same help pages as
# the Linux help book.
find_program(CHMCMD chmcmd REQUIRED)
file(GLOB HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(HELP_FILE ${CMAKE_BINARY_DIR}/bin/glintwick.chm)
add_custom_command(OUTPUT ${HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-chm.sh ${CMAKE_SOURCE_DIR}/help ${HELP_FILE}
  DEPENDS ${HELP_SOURCES} ${CMAKE_SOURCE_DIR}/scripts/build-chm.sh
  COMMENT "Compiling the help file")
add_custom_target(help_file ALL DEPENDS ${HELP_FILE})
