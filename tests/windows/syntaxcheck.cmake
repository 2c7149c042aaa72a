# Compiles every source file under src/ for Windows, syntax only, with the MinGW cross
# compiler against the Linux Qt headers: what Windows lacks (POSIX calls, a Windows call with
# the wrong types) fails here. Run by CTest:
#   cmake -DCXX=<mingw g++> -DSOURCE_DIR=<src> -DSTAGE=<folder> -DQT_INCLUDES=<a|b|c>
#         -DEXTRA_HEADERS=<header|...> [-DGENERATED=<moc include folder>] -P syntaxcheck.cmake
foreach(var CXX SOURCE_DIR STAGE QT_INCLUDES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "syntaxcheck: ${var} is not set")
  endif()
endforeach()

# The third-party headers the sources use live in /usr/include beside glibc's, which the
# cross compiler must not see: they are copied to a folder of their own.
file(MAKE_DIRECTORY ${STAGE})
string(REPLACE "|" ";" extra "${EXTRA_HEADERS}")
foreach(header IN LISTS extra)
  file(COPY ${header} DESTINATION ${STAGE})
endforeach()

set(flags -fsyntax-only -std=c++17 -Wall -Wextra -Werror
  -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DQT_NO_DEBUG -DUNICODE -D_UNICODE
  -I${SOURCE_DIR})
# The meta-object code a source file includes itself ("itempage.moc"), as the build made it.
if(DEFINED GENERATED)
  list(APPEND flags -I${GENERATED})
endif()
string(REPLACE "|" ";" qt_dirs "${QT_INCLUDES}")
foreach(dir IN LISTS qt_dirs)
  # The Linux mkspec only serves qplatformdefs.h, which no source includes.
  if(NOT dir MATCHES "/mkspecs/")
    list(APPEND flags -isystem ${dir})
  endif()
endforeach()
list(APPEND flags -isystem ${STAGE})

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp)
list(SORT sources)
set(failed)
foreach(source IN LISTS sources)
  execute_process(COMMAND ${CXX} ${flags} ${SOURCE_DIR}/${source}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    list(APPEND failed ${source})
    message("${source}: does not compile for Windows\n${out}")
  endif()
endforeach()

list(LENGTH sources total)
list(LENGTH failed count)
if(count GREATER 0)
  list(JOIN failed "\n  " names)
  message(FATAL_ERROR "${count} of ${total} files fail for Windows:\n  ${names}")
endif()
message(STATUS "all ${total} files compile for Windows")
