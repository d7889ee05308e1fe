# What `cmake --install` puts where, the documents made for it at build time, and the Debian
# package that `make package` builds from the same install.
set(PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

# gzip_for_install(INPUT OUTPUT): INPUT compressed as Debian wants documents, at -9 and without
# the file's name or time, so the same input always gives the same bytes.
function(gzip_for_install input output)
  get_filename_component(plain ${output} NAME_WLE)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${input} ${PACKAGING_OUT}/${plain}
    COMMAND gzip -9nf ${PACKAGING_OUT}/${plain}
    DEPENDS ${input}
    COMMENT "Compressing ${plain}")
endfunction()

# The pages as the build tree has them (its tests read them); the installed glintwick(1) is made
# again at install time below, for the prefix it is installed under (the package's /usr, not
# the build's).
# glintwick-cli's synopsis and completion are made from the tool's command table.
add_executable(glintwick-cli-docs cli/docs_main.cpp cli/CommandTable.cpp cli/CliTranslations.cpp)
target_link_libraries(glintwick-cli-docs PRIVATE glintwick_core)
configure_file(${PACKAGING}/man/glintwick.1.in ${PACKAGING_OUT}/man/glintwick.1 @ONLY)
configure_file(${PACKAGING}/man/glintwick-cli.1.in ${PACKAGING_OUT}/man/glintwick-cli.1.in @ONLY)
add_custom_command(OUTPUT ${PACKAGING_OUT}/man/glintwick-cli.1
  COMMAND glintwick-cli-docs ${PACKAGING_OUT}/man/glintwick-cli.1.in
          ${PACKAGING_OUT}/man/glintwick-cli.1
  DEPENDS glintwick-cli-docs ${PACKAGING_OUT}/man/glintwick-cli.1.in
  COMMENT "Writing glintwick-cli(1)")
add_custom_command(OUTPUT ${PACKAGING_OUT}/glintwick-cli.completion
  COMMAND glintwick-cli-docs ${PACKAGING}/bash-completion/glintwick-cli.in
          ${PACKAGING_OUT}/glintwick-cli.completion
  DEPENDS glintwick-cli-docs ${PACKAGING}/bash-completion/glintwick-cli.in
  COMMENT "Writing glintwick-cli's bash completion")
foreach(page glintwick glintwick-cli)
  gzip_for_install(${PACKAGING_OUT}/man/${page}.1 ${PACKAGING_OUT}/${page}.1.gz)
  list(APPEND PACKAGING_DOCS ${PACKAGING_OUT}/${page}.1.gz)
endforeach()
set(INSTALLED_PAGES ${PACKAGING_DOCS})
list(REMOVE_ITEM INSTALLED_PAGES ${PACKAGING_OUT}/glintwick.1.gz)
gzip_for_install(${PACKAGING}/debian/changelog ${PACKAGING_OUT}/changelog.gz)
add_custom_command(OUTPUT ${PACKAGING_OUT}/copyright
  COMMAND ${CMAKE_COMMAND} -DHEADER=${PACKAGING}/debian/copyright.in
          -DLICENSE=${CMAKE_SOURCE_DIR}/LICENSE -DOUTPUT=${PACKAGING_OUT}/copyright
          -P ${CMAKE_SOURCE_DIR}/cmake/DebianCopyright.cmake
  DEPENDS ${PACKAGING}/debian/copyright.in ${CMAKE_SOURCE_DIR}/LICENSE
          ${CMAKE_SOURCE_DIR}/cmake/DebianCopyright.cmake
  COMMENT "Writing the copyright file")
add_custom_target(packaging_docs ALL
  DEPENDS ${PACKAGING_DOCS} ${PACKAGING_OUT}/changelog.gz ${PACKAGING_OUT}/copyright
          ${PACKAGING_OUT}/glintwick-cli.completion)

# Programs in bin, the help book in the data folder (the program finds it there through
# GLINTWICK_DATA_FROM_BIN), documents where Debian keeps them.
set(DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/glintwick)
install(TARGETS glintwick glintwick-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) also drops the compiler's notes, as Debian's dh_strip does.
foreach(program glintwick glintwick-cli)
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
endforeach()
install(FILES ${HELP_BOOK} DESTINATION ${CMAKE_INSTALL_DATADIR}/glintwick)
foreach(lang IN LISTS GLINTWICK_LANGUAGES)
  install(FILES ${CMAKE_BINARY_DIR}/bin/locale/${lang}/LC_MESSAGES/glintwick.mo
          DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${lang}/LC_MESSAGES)
endforeach()
install(FILES ${PACKAGING_OUT}/copyright ${PACKAGING_OUT}/changelog.gz DESTINATION ${DOC_DIR})
install(FILES ${INSTALLED_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(CODE "
  set(PROJECT_VERSION ${PROJECT_VERSION})
  set(CMAKE_INSTALL_FULL_DATADIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
  configure_file(${PACKAGING}/man/glintwick.1.in ${PACKAGING_OUT}/installed/glintwick.1 @ONLY)
  execute_process(COMMAND gzip -9nf ${PACKAGING_OUT}/installed/glintwick.1 COMMAND_ERROR_IS_FATAL ANY)
  file(INSTALL ${PACKAGING_OUT}/installed/glintwick.1.gz
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\")")
install(FILES ${PACKAGING_OUT}/glintwick-cli.completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME glintwick-cli)
install(FILES ${PACKAGING}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME glintwick)

# The desktop: icons, the menu entry, the .gwk document entry, the mime type, AppStream.
foreach(size IN LISTS GLINTWICK_ICON_SIZES)
  install(FILES resources/art/glintwick-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME glintwick.png)
endforeach()
install(FILES resources/art/glintwick.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/art/glintwick-symbolic.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/symbolic/apps)
# The .gwk document's icon, under its mime type's name.
foreach(size IN LISTS GLINTWICK_ICON_SIZES)
  install(FILES resources/art/application-x-glintwick-project-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/mimetypes
          RENAME application-x-glintwick-project.png)
endforeach()
install(FILES resources/art/application-x-glintwick-project.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
# The menu entries, AppStream data and mime type carry every catalogue's translations of their
# texts, merged in by msgfmt, which reads the languages from a LINGUAS file beside the catalogues.
set(DESKTOP_PO ${PACKAGING_OUT}/po)
string(REPLACE ";" "\n" linguas "${GLINTWICK_LANGUAGES}")
file(WRITE ${DESKTOP_PO}/LINGUAS "${linguas}\n")
foreach(lang IN LISTS GLINTWICK_LANGUAGES)
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/po/${lang}.po ${DESKTOP_PO}/${lang}.po SYMBOLIC)
endforeach()
set(TRANSLATED_DESKTOP_FILES)
foreach(file ${GLINTWICK_APP_ID}.desktop OrvaneGWK.Document.desktop
             ${GLINTWICK_APP_ID}.metainfo.xml glintwick.xml)
  set(kind --xml)
  if(file MATCHES "\\.desktop$")
    set(kind --desktop)
  endif()
  add_custom_command(OUTPUT ${PACKAGING_OUT}/desktop/${file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKAGING_OUT}/desktop
    COMMAND ${MSGFMT} ${kind} --template=${CMAKE_SOURCE_DIR}/resources/desktop/${file}
            -d ${DESKTOP_PO} -o ${PACKAGING_OUT}/desktop/${file}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/desktop/${file} ${GLINTWICK_CATALOGUE_SOURCES}
    COMMENT "Translating ${file}")
  list(APPEND TRANSLATED_DESKTOP_FILES ${PACKAGING_OUT}/desktop/${file})
endforeach()
add_custom_target(translated_desktop_files ALL DEPENDS ${TRANSLATED_DESKTOP_FILES})
install(FILES ${PACKAGING_OUT}/desktop/${GLINTWICK_APP_ID}.desktop
              ${PACKAGING_OUT}/desktop/OrvaneGWK.Document.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACKAGING_OUT}/desktop/glintwick.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PACKAGING_OUT}/desktop/${GLINTWICK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glintwick)
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_CONTACT "Orvane <support@orvane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://orvane.example/glintwick/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Animated status-bar messages for web pages, and their JavaScript")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PACKAGING}/description.txt)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The symbol for NUL (U+2400) that the boxes and the list show for a NUL read from a file: of
# Debian's usual fonts only Symbola draws it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-symbola)
# Preview in Browser opens the page with xdg-open; wx's own catalogues translate its windows
# (the help viewer's tabs and buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, wx3.2-i18n")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SOURCE_DATE_EPOCH ${SOURCE_DATE_EPOCH})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/ReproducibleDeb.cmake)
include(CPack)
