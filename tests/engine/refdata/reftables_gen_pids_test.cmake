# The reference-table generator resolves the HMT entry (ID number + proper
# shipping name) of a marine pollutant to its PIDs from the PID list, and
# stops the build when an entry does not resolve.
file(MAKE_DIRECTORY ${WORK})
set(OUT ${WORK}/out.cpp)

function(run_gen pids expect_ok)
  file(REMOVE ${OUT})
  execute_process(COMMAND ${GEN} ${FIXTURES} ${pids} ${OUT}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expect_ok AND NOT rc EQUAL 0)
    message(FATAL_ERROR "generator failed with ${pids}: ${err}")
  endif()
  if(NOT expect_ok AND rc EQUAL 0)
    message(FATAL_ERROR "generator accepted ${pids}, which lacks an HMT entry")
  endif()
  if(NOT expect_ok AND NOT err MATCHES "UN2570 \"Cadmium compounds\" has no PID")
    message(FATAL_ERROR "unexpected message for ${pids}: ${err}")
  endif()
  set(gen_out "${out}" PARENT_SCOPE)
endfunction()

function(expect_record text)
  file(READ ${OUT} body)
  string(FIND "${body}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "record not generated: ${text}")
  endif()
endfunction()

# With the PID list: one record per PID of the entry; CAS and unkeyed stay.
run_gen(${FIXTURES}/pids-good.tsv TRUE)
expect_record("\"309-00-2\\000Aldrin\\0001\\0")
expect_record("\"982\\000Cadmium compounds\\0001\\0")
expect_record("\"472\\000Ammonia, anhydrous\\0000\\0")
expect_record("\"473\\000Ammonia, anhydrous\\0000\\0")
expect_record("\"\\000Cocculus\\0000\\0")
if(NOT gen_out MATCHES "5 marine pollutants \\(1 by CAS, 3 by PID, 1 unkeyed")
  message(FATAL_ERROR "unexpected counts: ${gen_out}")
endif()

# Before the PID list exists the HMT entries are stored without a key.
run_gen(- TRUE)
expect_record("\"\\000Cadmium compounds\\0001\\0")

# An entry missing from the list, or listed under another name or ID number,
# fails the build.
run_gen(${FIXTURES}/pids-missing-entry.tsv FALSE)
run_gen(${FIXTURES}/pids-other-name.tsv FALSE)
run_gen(${FIXTURES}/pids-other-id.tsv FALSE)
