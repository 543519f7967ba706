# Runs PROGRAM with the project's LSAN_OPTIONS and its leak suppressions and checks LeakSanitizer's
# verdict. With EXPECT_LEAK on, the program must fail with a report that points into SOURCE;
# otherwise it must exit cleanly without any report.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "LSAN_OPTIONS=${LSAN_OPTIONS}"
          ASAN_OPTIONS=detect_leaks=1 ${PROGRAM} ${ARGS}
  RESULT_VARIABLE exit_code
  ERROR_VARIABLE report)

if(EXPECT_LEAK)
  if(exit_code EQUAL 0 OR NOT report MATCHES "detected memory leaks" OR NOT report MATCHES "${SOURCE}")
    message(FATAL_ERROR "The leak in ${SOURCE} was not reported (exit code ${exit_code}):\n${report}")
  endif()
elseif(NOT exit_code EQUAL 0 OR report MATCHES "detected memory leaks")
  message(FATAL_ERROR "A run without a leak of ours failed (exit code ${exit_code}):\n${report}")
endif()
