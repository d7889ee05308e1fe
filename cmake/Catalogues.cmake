# The interface's translations: po/LANG.po compiled by msgfmt into bin/locale, beside the
# programs, where the program looks in the build tree (the package installs them where the
# system keeps them).
find_program(MSGFMT msgfmt REQUIRED)
# A language is its catalogue: adding po/LL.po is all it takes.
file(GLOB GLINTWICK_CATALOGUE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/*.po)
set(GLINTWICK_LANGUAGES)
foreach(po IN LISTS GLINTWICK_CATALOGUE_SOURCES)
  get_filename_component(lang ${po} NAME_WE)
  list(APPEND GLINTWICK_LANGUAGES ${lang})
endforeach()
set(GLINTWICK_CATALOGUES)
foreach(lang IN LISTS GLINTWICK_LANGUAGES)
  set(mo ${CMAKE_BINARY_DIR}/bin/locale/${lang}/LC_MESSAGES/glintwick.mo)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin/locale/${lang}/LC_MESSAGES
    COMMAND ${MSGFMT} --check -o ${mo} ${CMAKE_SOURCE_DIR}/po/${lang}.po
    DEPENDS ${CMAKE_SOURCE_DIR}/po/${lang}.po
    COMMENT "Compiling the ${lang} catalogue")
  list(APPEND GLINTWICK_CATALOGUES ${mo})
endforeach()
# The Windows program carries wx's own catalogues beside its own (its help viewer's tabs and
# buttons), as Debian's wx3.2-i18n has them; on Linux the system has them.
if(WIN32)
  foreach(lang IN LISTS GLINTWICK_LANGUAGES)
    set(wx_catalogue /usr/share/locale/${lang}/LC_MESSAGES/wxstd-3.2.mo)
    if(NOT EXISTS ${wx_catalogue})
      message(FATAL_ERROR "No ${wx_catalogue}: install wx3.2-i18n (make windows does)")
    endif()
    set(copy ${CMAKE_BINARY_DIR}/bin/locale/${lang}/LC_MESSAGES/wxstd-3.2.mo)
    add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E copy ${wx_catalogue} ${copy}
      DEPENDS ${wx_catalogue} ${CMAKE_BINARY_DIR}/bin/locale/${lang}/LC_MESSAGES/glintwick.mo)
    list(APPEND GLINTWICK_CATALOGUES ${copy})
  endforeach()
endif()
add_custom_target(catalogues ALL DEPENDS ${GLINTWICK_CATALOGUES})
