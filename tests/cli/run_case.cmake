# Runs velmora-check once and checks what it did.
#   -DTOOL=path  -DARGS="check|file.json|--json"  -DEXPECT_RC=0
#   [-DEXPECT_STDOUT=file]   standard output must equal the file
#   [-DEXPECT_STDOUT_TEXT=text] standard output must contain the text
#   [-DEXPECT_STDERR=text]   standard error must contain the text
#   [-DSTDIN=file]           fed to standard input
string(REPLACE "|" ";" ARGS "${ARGS}")
if(DEFINED STDIN)
  execute_process(COMMAND ${TOOL} ${ARGS} INPUT_FILE ${STDIN}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
else()
  execute_process(COMMAND ${TOOL} ${ARGS}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
endif()
if(NOT rc STREQUAL EXPECT_RC)
  message(FATAL_ERROR "exit status ${rc}, expected ${EXPECT_RC}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED EXPECT_STDOUT)
  file(READ ${EXPECT_STDOUT} expected)
  if(NOT out STREQUAL expected)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/actual-output.txt "${out}")
    message(FATAL_ERROR "output differs from ${EXPECT_STDOUT}\n--- actual:\n${out}")
  endif()
endif()
if(DEFINED EXPECT_STDOUT_TEXT)
  string(FIND "${out}" "${EXPECT_STDOUT_TEXT}" pos)
  if(pos EQUAL -1)
    message(FATAL_ERROR "standard output lacks \"${EXPECT_STDOUT_TEXT}\":\n${out}")
  endif()
endif()
if(DEFINED EXPECT_STDERR)
  string(FIND "${err}" "${EXPECT_STDERR}" pos)
  if(pos EQUAL -1)
    message(FATAL_ERROR "standard error lacks \"${EXPECT_STDERR}\":\n${err}")
  endif()
endif()
