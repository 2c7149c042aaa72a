# lintian on the Debian package the build makes: no error. Warnings are printed.
#   cmake -DLINTIAN=<lintian or empty> -DBUILD_DIR=<build> -DOUT=<scratch> -P lintian.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT LINTIAN)
  message("lintian skipped: lintian is not installed (Debian: lintian, see scripts/setup.sh)")
  return()
endif()
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CMAKE_CPACK_COMMAND}" -G DEB -B "${OUT}"
                        --config "${BUILD_DIR}/CPackConfig.cmake"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs "${OUT}/*.deb")
if(NOT code EQUAL 0 OR NOT debs)
  message(FATAL_ERROR "cpack made no package (exit ${code}):\n${out}")
endif()
# As root lintian would refuse to run without this.
execute_process(COMMAND "${LINTIAN}" --allow-root --no-tag-display-limit ${debs}
                OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
if(report MATCHES "(^|\n)E: ")
  message(FATAL_ERROR "lintian finds errors in the package")
endif()
file(REMOVE_RECURSE "${OUT}")
