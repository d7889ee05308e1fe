# The Windows build after the shared targets: the programs' resources, the desktop program, the
# compiled help file, the tests that run under Wine and the installer.
enable_language(RC)
configure_file(app/msw/VersionInfo.h.in ${EMBEDDED_DIR}/embedded/VersionInfo.h @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --include-dir ${CMAKE_SOURCE_DIR} --include-dir ${EMBEDDED_DIR} --include-dir ${CMAKE_BINARY_DIR}")

# The program's icon from the artwork: the designed 16, 32 and 48 pixel images, and 256 for
# screens of high density.
set(ART_DIR ${CMAKE_SOURCE_DIR}/resources/art)
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/glintwick.ico
  COMMAND ${IMAGEMAGICK_CONVERT} ${ART_DIR}/glintwick-16.png ${ART_DIR}/glintwick-32.png
          ${ART_DIR}/glintwick-48.png ${ART_DIR}/glintwick-256.png ${CMAKE_BINARY_DIR}/glintwick.ico
  DEPENDS ${ART_DIR}/glintwick-16.png ${ART_DIR}/glintwick-32.png ${ART_DIR}/glintwick-48.png
          ${ART_DIR}/glintwick-256.png
  COMMENT "Making the program's icon")
set(MSW_RESOURCE_DEPENDS ${CMAKE_SOURCE_DIR}/app/msw/glintwick.manifest
    ${CMAKE_SOURCE_DIR}/app/msw/VersionInfo.rc ${EMBEDDED_DIR}/embedded/VersionInfo.h)
# Both programs carry the icon, made once before either's resources are compiled.
add_custom_target(glintwick_icon DEPENDS ${CMAKE_BINARY_DIR}/glintwick.ico)
set_source_files_properties(app/msw/glintwick.rc app/msw/glintwick-cli.rc PROPERTIES
  OBJECT_DEPENDS "${MSW_RESOURCE_DEPENDS};${CMAKE_BINARY_DIR}/glintwick.ico")

add_executable(glintwick WIN32 app/msw/main.cpp app/msw/glintwick.rc)
target_link_libraries(glintwick PRIVATE glintwick_ui)
target_sources(glintwick-cli PRIVATE app/msw/glintwick-cli.rc)
add_dependencies(glintwick glintwick_icon)
add_dependencies(glintwick-cli glintwick_icon)

include(cmake/WindowsHelp.cmake)
enable_testing()
add_subdirectory(tests/windows)
include(cmake/WindowsInstaller.cmake)
