# wxWidgets for MSW, built static by scripts/msw-libs.sh: settings from its wx-config.
set(GLINTWICK_MSW_PREFIX "" CACHE PATH "Prefix of the MSW build of libpng and wxWidgets")
if(NOT EXISTS "${GLINTWICK_MSW_PREFIX}/bin/wx-config")
  message(FATAL_ERROR "GLINTWICK_MSW_PREFIX must name the prefix that scripts/msw-libs.sh prints")
endif()
set(WX_CONFIG ${GLINTWICK_MSW_PREFIX}/bin/wx-config)
execute_process(COMMAND ${WX_CONFIG} --static --cxxflags OUTPUT_VARIABLE WX_MSW_CXXFLAGS
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${WX_CONFIG} --static --libs core,base,html OUTPUT_VARIABLE WX_MSW_LIBS
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(WX_MSW_CXXFLAGS UNIX_COMMAND "${WX_MSW_CXXFLAGS}")
separate_arguments(WX_MSW_LIBS UNIX_COMMAND "${WX_MSW_LIBS}")
# The subsystem is the program's business: the window tests are console programs.
list(REMOVE_ITEM WX_MSW_LIBS -mwindows -Wl,--subsystem,windows)

add_library(wx_toolkit INTERFACE)
foreach(flag IN LISTS WX_MSW_CXXFLAGS)
  if(flag MATCHES "^-I(.*)")
    target_include_directories(wx_toolkit SYSTEM INTERFACE ${CMAKE_MATCH_1})
  else()
    target_compile_options(wx_toolkit INTERFACE ${flag})
  endif()
endforeach()
target_link_libraries(wx_toolkit INTERFACE ${WX_MSW_LIBS})
# windows.h defines FormatMessage as FormatMessageW; every file of the window layer reads it
# first, without that macro, so the engine's FormatMessage keeps its name there.
target_compile_options(wx_toolkit INTERFACE -include ${CMAKE_SOURCE_DIR}/ui/msw/WindowsFirst.h)

# The resource compiler finds wx's own resources (manifests, cursors) beside its headers.
set(WX_MSW_RC_INCLUDE ${GLINTWICK_MSW_PREFIX}/include/wx-3.2)
