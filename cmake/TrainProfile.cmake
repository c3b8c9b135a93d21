# Runs the instrumented program on each training input (cmake -P, with program, inputs and output
# defined); what it prints is of no interest, but a failed run would leave a profile of a refusal.
foreach(input IN LISTS inputs)
    execute_process(COMMAND ${program} ${input} ${output}
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "The profile's training run failed on ${input}: ${status}")
    endif()
endforeach()
