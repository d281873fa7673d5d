# Runs one libFuzzer target for a bounded time over a scratch copy of its corpus,
# so that the committed corpus is never changed by a run.
if(NOT SECONDS)
    set(SECONDS 20)
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB seeds ${CORPUS}/*)
if(seeds)
    file(COPY ${seeds} DESTINATION ${WORK})
endif()
execute_process(COMMAND ${FUZZER} -max_total_time=${SECONDS} -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 ${WORK}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed with ${result}")
endif()
