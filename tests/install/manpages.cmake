# The manual pages render without a warning from man and groff.
#   cmake -DPAGES=a.1;b.1 -P manpages.cmake
foreach(page ${PAGES})
  if(NOT EXISTS ${page})
    message(FATAL_ERROR "${page} was not built")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80 man --warnings -l ${page}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE warnings)
  if(NOT code EQUAL 0 OR warnings)
    message(FATAL_ERROR "${page}: man says (exit ${code}):\n${warnings}")
  endif()
  foreach(section NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES EXAMPLES)
    if(NOT out MATCHES "\n${section}\n")
      message(FATAL_ERROR "${page} has no ${section} section:\n${out}")
    endif()
  endforeach()
endforeach()
