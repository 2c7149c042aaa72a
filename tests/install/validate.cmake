# Runs a desktop validator on one file: fails when the tool is missing, exits with an error,
# or reports an error or a warning (desktop-file-validate exits 0 on warnings).
#   cmake -DTOOL=<program> -DPACKAGE=<Debian package> -DARGS=<a;b> -DFILE=<file> -P validate.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT TOOL OR NOT EXISTS "${TOOL}")
  message(FATAL_ERROR "the validator is not installed: install ${PACKAGE} (scripts/setup.sh)")
endif()
if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "no file to validate: ${FILE}")
endif()
execute_process(COMMAND "${TOOL}" ${ARGS} "${FILE}" RESULT_VARIABLE code OUTPUT_VARIABLE out
                ERROR_VARIABLE out)
message("${out}")
string(TOLOWER "${out}" lower)
if(NOT code EQUAL 0 OR lower MATCHES "(^|[ \n:])(error|warning)s?:")
  message(FATAL_ERROR "${FILE} did not pass ${TOOL} (exit ${code})")
endif()
