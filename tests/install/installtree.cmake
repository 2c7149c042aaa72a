# `cmake --install` into a scratch prefix, then the files it put there: exactly the expected
# ones, programs that run from there, a desktop entry, MIME type and icon that name each
# other, and a MIME package the database accepts.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -DBINDIR=bin -DDATADIR=share/zantrel
#         -DAPP_ID=<id> -P installtree.cmake
cmake_minimum_required(VERSION 3.25)
function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  fail("cmake --install failed: ${err}")
endif()

# Every file, relative to the prefix; the preview pictures as the build drew them.
set(expected
  ${BINDIR}/zantrel
  ${BINDIR}/zantrel-cli
  ${DATADIR}/cursor.cur
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/mime/packages/zantrel.xml
  share/icons/hicolor/scalable/apps/zantrel.svg
  share/bash-completion/completions/zantrel-cli
  share/man/man1/zantrel.1.gz
  share/man/man1/zantrel-cli.1.gz
  share/doc/zantrel/copyright
  share/doc/zantrel/changelog.gz)
file(GLOB_RECURSE pictures RELATIVE "${BUILD_DIR}" "${BUILD_DIR}/images/*")
if(NOT "images/notav.bmp" IN_LIST pictures OR NOT pictures MATCHES "images/critters/")
  fail("the build drew no preview pictures: ${pictures}")
endif()
foreach(p ${pictures})
  list(APPEND expected ${DATADIR}/${p})
endforeach()
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  fail("installed files differ\n  missing: ${missing}\n  not expected: ${extra}")
endif()

# The programs run from the prefix: no path into the build folder is kept.
foreach(program zantrel zantrel-cli)
  execute_process(COMMAND readelf -d "${PREFIX}/${BINDIR}/${program}" OUTPUT_VARIABLE dyn)
  if(dyn MATCHES "R(UN)?PATH[^\n]*${BUILD_DIR}")
    fail("${program} still looks for libraries in the build folder:\n${dyn}")
  endif()
endforeach()
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${PREFIX}/${BINDIR}/zantrel-cli" --help RESULT_VARIABLE code
                OUTPUT_QUIET ERROR_QUIET)
if(NOT code EQUAL 0)
  fail("the installed zantrel-cli --help exits ${code}")
endif()
execute_process(COMMAND "${PREFIX}/${BINDIR}/zantrel" --help RESULT_VARIABLE code
                OUTPUT_VARIABLE out ERROR_QUIET)
if(NOT code EQUAL 0 OR NOT out MATCHES "FILE\\.pro")
  fail("the installed zantrel --help exits ${code}:\n${out}")
endif()
execute_process(COMMAND "${PREFIX}/${BINDIR}/zantrel" a.pro b.pro RESULT_VARIABLE code
                OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT code EQUAL 1 OR NOT err MATCHES "one prototype at a time")
  fail("two files on the command line: exit ${code}, ${err}")
endif()

# The desktop entry opens a file with the editor and names the MIME type and the icon.
file(READ "${PREFIX}/share/applications/${APP_ID}.desktop" entry)
file(READ "${PREFIX}/share/mime/packages/zantrel.xml" mime)
string(REGEX MATCH "<mime-type type=\"([^\"]+)\"" _ "${mime}")
set(type "${CMAKE_MATCH_1}")
foreach(line "Exec=zantrel %f" "MimeType=${type};" "Icon=zantrel")
  if(NOT entry MATCHES "(^|\n)${line}\n")
    fail("the desktop entry lacks \"${line}\":\n${entry}")
  endif()
endforeach()
file(READ "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
foreach(piece "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
              "<mediatype>${type}</mediatype>")
  string(FIND "${metainfo}" "${piece}" at)
  if(at LESS 0)
    fail("the metainfo lacks ${piece}")
  endif()
endforeach()

# The database built from our package alone knows *.pro as that type.
find_program(UPDATE_MIME update-mime-database)
if(NOT UPDATE_MIME)
  fail("update-mime-database is not installed: install shared-mime-info (scripts/setup.sh)")
endif()
execute_process(COMMAND "${UPDATE_MIME}" "${PREFIX}/share/mime" RESULT_VARIABLE code
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0 OR out MATCHES "[Ee]rror|[Ww]arning")
  fail("update-mime-database refused the package:\n${out}")
endif()
file(READ "${PREFIX}/share/mime/globs2" globs)
if(NOT globs MATCHES "(^|\n)50:${type}:\\*\\.pro\n")
  fail("the MIME database has no *.pro glob for ${type}:\n${globs}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
