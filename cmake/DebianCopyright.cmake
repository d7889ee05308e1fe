# Writes the package's machine-readable copyright file: the header of packaging/debian/
# copyright.in followed by the licence text of LICENSE, indented as the format wants it.
# Usage: cmake -DHEADER=... -DLICENSE=... -DOUTPUT=... -P DebianCopyright.cmake
file(READ ${HEADER} text)
file(STRINGS ${LICENSE} lines)
# The licence proper starts after the title and the copyright line, at its first paragraph.
set(started FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^Permission ")
    set(started TRUE)
  endif()
  if(NOT started)
    continue()
  elseif(line STREQUAL "")
    string(APPEND text " .\n")
  else()
    string(APPEND text " ${line}\n")
  endif()
endforeach()
if(NOT started)
  message(FATAL_ERROR "${LICENSE} holds no licence paragraph starting with 'Permission '")
endif()
file(WRITE ${OUTPUT} "${text}")
