# Runs the program as a terminal would over ssh: no display of any kind, a scratch home. Help, version and a wrong
# option must answer there, with the right stream and status, and leave no settings and no lock behind.
# The manual page must list exactly the options that --help prints, and render without a warning.
# Arguments: PROGRAM, SCRATCH, VERSION, MANPAGE.
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
    set(text "${text}" PARENT_SCOPE)
    if(NOT text MATCHES "${pattern}" OR NOT other STREQUAL "")
        message(FATAL_ERROR "'${ARGN}': expected ${stream} to match '${pattern}' and nothing else.\n"
                            "stdout: ${out}\nstderr: ${err}")
    endif()
endfunction()

run_case(success stdout "Usage: [^\n]*astravida \\[options\\] \\[FILE\\]" --help)
set(help "${text}")
string(REPLACE "." "\\." version "${VERSION}")
run_case(success stdout "^astravida ${version}\n$" --version)
run_case(success stdout "^astravida ${version}\n$" -platform offscreen -v)
run_case(failure stderr "Unknown option 'no-such-option'" --no-such-option)
run_case(failure stderr "only one FILE" a.avd b.avd)

file(GLOB_RECURSE left "${SCRATCH}/*")
if(left)
    message(FATAL_ERROR "the command line left files behind: ${left}")
endif()

# An option line of the help ("  -h, --help     Displays ...") against the tagged lines of the page's OPTIONS section
# (".BR \\-h \", \" \\-\\-help"), each as a sorted list of option names.
string(REGEX MATCHALL "\n  -[^ ,]+(, -[^ ,]+)*" help_lines "${help}")
string(REGEX MATCHALL "-[-A-Za-z]+" help_options "${help_lines}")
file(READ "${MANPAGE}" page)
string(REPLACE "\\-" "-" page "${page}")
string(REGEX MATCH "\n\\.SH OPTIONS\n.*" options_section "${page}")
string(REGEX REPLACE "(.)\n\\.SH .*" "\\1" options_section "${options_section}")
string(REGEX MATCHALL "\n\\.B[IR]? [^\n]*" page_lines "${options_section}")
string(REGEX MATCHALL "-[-A-Za-z]+" page_options "${page_lines}")
list(SORT help_options)
list(SORT page_options)
if(NOT help_options OR NOT help_options STREQUAL page_options)
    message(FATAL_ERROR "--help lists the options '${help_options}', the manual page's OPTIONS '${page_options}'")
endif()

find_program(GROFF groff)
if(GROFF)
    execute_process(COMMAND "${GROFF}" -man -ww -z -Tutf8 "${MANPAGE}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT err STREQUAL "")
        message(FATAL_ERROR "groff finds faults in the manual page: ${err}")
    endif()
else()
    message(STATUS "groff is missing, so the manual page was not rendered")
endif()
message(STATUS "command line answered without a display, as its manual page says")
