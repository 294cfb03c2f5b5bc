# Runs velmora-check with --pdf without a display and reads the PDF back.
#   -DTOOL=path -DPDF=out.pdf -DARGS="file.json|..." -DEXPECT_RC=0
#   [-DEXPECT_TEXT="a|b|c"]   texts the PDF must hold (pdftotext)
#   [-DEXPECT_STDERR=text]    standard error must contain the text
string(REPLACE "|" ";" ARGS "${ARGS}")
file(REMOVE ${PDF})
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                        ${TOOL} check --pdf ${PDF} ${ARGS}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc STREQUAL EXPECT_RC)
  message(FATAL_ERROR "exit status ${rc}, expected ${EXPECT_RC}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED EXPECT_STDERR)
  string(FIND "${err}" "${EXPECT_STDERR}" pos)
  if(pos EQUAL -1)
    message(FATAL_ERROR "standard error lacks \"${EXPECT_STDERR}\":\n${err}")
  endif()
endif()
if(DEFINED EXPECT_TEXT)
  execute_process(COMMAND pdftotext ${PDF} - RESULT_VARIABLE prc OUTPUT_VARIABLE text ERROR_VARIABLE perr)
  if(NOT prc EQUAL 0)
    message(FATAL_ERROR "pdftotext could not read ${PDF}: ${perr}")
  endif()
  # Lines joined: the report wraps long messages anywhere.
  string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
  string(REPLACE "|" ";" expected "${EXPECT_TEXT}")
  foreach(e IN LISTS expected)
    string(FIND "${text}" "${e}" pos)
    if(pos EQUAL -1)
      message(FATAL_ERROR "the PDF lacks \"${e}\":\n${text}")
    endif()
  endforeach()
endif()
