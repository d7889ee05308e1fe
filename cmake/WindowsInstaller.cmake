# glintwick-VERSION-setup.exe: the installer, built with Debian's NSIS (makensis).
find_program(MAKENSIS makensis REQUIRED)
set(WINDOWS_INSTALLER ${CMAKE_BINARY_DIR}/glintwick-${PROJECT_VERSION}-setup.exe)
set(INSTALLER_SCRIPT ${CMAKE_SOURCE_DIR}/packaging/windows/glintwick.nsi)
add_custom_command(OUTPUT ${WINDOWS_INSTALLER}
  COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DBIN_DIR=${CMAKE_BINARY_DIR}/bin
          -DICON=${CMAKE_BINARY_DIR}/glintwick.ico -DOUTFILE=${WINDOWS_INSTALLER} ${INSTALLER_SCRIPT}
  DEPENDS glintwick glintwick-cli ${HELP_FILE} ${GLINTWICK_CATALOGUES} ${CMAKE_BINARY_DIR}/glintwick.ico
          ${INSTALLER_SCRIPT}
  COMMENT "Building the installer")
add_custom_target(windows_installer ALL DEPENDS ${WINDOWS_INSTALLER})
