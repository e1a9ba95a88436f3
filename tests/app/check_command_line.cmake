# Runs the program as a terminal would over ssh: no display of any kind, a scratch home. Help, version and a wrong
# option must answer there, with the right stream and status, and leave no settings and no lock behind.
# Arguments: PROGRAM, SCRATCH.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}/config" "${SCRATCH}/runtime")

function(run_case expected_status stream pattern)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                            "XDG_CONFIG_HOME=${SCRATCH}/config" "XDG_RUNTIME_DIR=${SCRATCH}/runtime"
                            "${PROGRAM}" ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
    if(expected_status STREQUAL "failure")
        if(status EQUAL 0)
            message(FATAL_ERROR "'${ARGN}' ended with status 0; expected a failure")
        endif()
    elseif(NOT status EQUAL 0)
        message(FATAL_ERROR "'${ARGN}' ended with '${status}'; expected 0. Standard error: ${err}")
    endif()
    if(stream STREQUAL "stdout")
        set(text "${out}")
        set(other "${err}")
    else()
        set(text "${err}")
        set(other "${out}")
    endif()
    if(NOT text MATCHES "${pattern}" OR NOT other STREQUAL "")
        message(FATAL_ERROR "'${ARGN}': expected ${stream} to match '${pattern}' and nothing else.\n"
                            "stdout: ${out}\nstderr: ${err}")
    endif()
endfunction()

run_case(success stdout "Usage: [^\n]*astravida \\[options\\] \\[FILE\\]" --help)
run_case(success stdout "^astravida 1\\.25\n$" --version)
run_case(success stdout "^astravida 1\\.25\n$" -platform offscreen -v)
run_case(failure stderr "Unknown option 'no-such-option'" --no-such-option)
run_case(failure stderr "only one FILE" a.avd b.avd)

file(GLOB_RECURSE left "${SCRATCH}/*")
if(left)
    message(FATAL_ERROR "the command line left files behind: ${left}")
endif()
message(STATUS "command line answered without a display")
