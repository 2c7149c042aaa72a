# `cpack -G DEB` of the build, then the package's control fields and files.
#   cmake -DBUILD_DIR=<build> -DOUT=<scratch> -DAPP_ID=<id> -P debpackage.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CMAKE_CPACK_COMMAND}" -G DEB -B "${OUT}"
                        --config "${BUILD_DIR}/CPackConfig.cmake"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs "${OUT}/*.deb")
list(LENGTH debs count)
if(NOT code EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made no package (exit ${code}):\n${out}")
endif()
execute_process(COMMAND dpkg-deb --field "${debs}" Package Depends Architecture
                OUTPUT_VARIABLE fields)
message("${fields}")
# The libraries dpkg-shlibdeps found, and the MIME database declared by hand.
foreach(dependency "libqt6widgets6" "libqt6gui6" "libqt6core6" "zlib1g" "libc6"
                   "shared-mime-info")
  if(NOT fields MATCHES "Depends:[^\n]*${dependency}")
    message(FATAL_ERROR "the package does not depend on ${dependency}:\n${fields}")
  endif()
endforeach()
execute_process(COMMAND dpkg-deb --contents "${debs}" OUTPUT_VARIABLE contents)
foreach(file "./usr/bin/zantrel" "./usr/bin/zantrel-cli" "./usr/share/zantrel/images/notav.bmp"
             "./usr/share/applications/${APP_ID}.desktop"
             "./usr/share/metainfo/${APP_ID}.metainfo.xml" "./usr/share/mime/packages/zantrel.xml"
             "./usr/share/icons/hicolor/scalable/apps/zantrel.svg"
             "./usr/share/man/man1/zantrel.1.gz" "./usr/share/man/man1/zantrel-cli.1.gz"
             "./usr/share/bash-completion/completions/zantrel-cli")
  string(FIND "${contents}" " ${file}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "the package lacks ${file}:\n${contents}")
  endif()
endforeach()
file(REMOVE_RECURSE "${OUT}")
