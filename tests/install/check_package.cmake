# Builds the Debian package as a user would (a Release tree, then cpack) and fails on any error or warning from
# Debian's package checker. The tree stays between runs, so only a change rebuilds.
# Arguments: SOURCE_DIR, WORK, GENERATOR, VERSION, WARNING_AS_ERROR (the tests' own tree's setting, since an optimised
# build warns of things a debug build does not).
find_program(LINTIAN lintian)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT LINTIAN OR NOT DPKG_SHLIBDEPS)
    message("Skipped: the package check needs lintian and dpkg-dev (scripts/install-deps installs them)")
    return()
endif()

# lintian does not compare the changelog with the package's version, and a stale entry would ship unnoticed.
file(STRINGS "${SOURCE_DIR}/data/changelog" top LIMIT_COUNT 1)
if(NOT top MATCHES "^astravida \\(${VERSION}\\) ")
    message(FATAL_ERROR "data/changelog begins with '${top}'; its newest entry must be version ${VERSION}")
endif()

function(run what)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed (${result}):\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY "${WORK}")
run("configuring the Release tree" "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK}" -G "${GENERATOR}"
    -DCMAKE_BUILD_TYPE=Release -DASTRAVIDA_BUILD_TESTS=OFF -DASTRAVIDA_SANITIZE=OFF
    -DCMAKE_COMPILE_WARNING_AS_ERROR=${WARNING_AS_ERROR})
run("building the Release tree" "${CMAKE_COMMAND}" --build "${WORK}" --parallel 2)
file(GLOB old "${WORK}/*.deb")
if(old)
    file(REMOVE ${old})
endif()
run("cpack" "${CMAKE_CPACK_COMMAND}" -G DEB)
file(GLOB package "${WORK}/astravida_${VERSION}_*.deb")
if(NOT package)
    message(FATAL_ERROR "cpack made no astravida_${VERSION}_*.deb:\n${out}")
endif()

# The guided practice speaks through an engine plugin loaded at run time, which the library scan cannot see.
run("reading the package's fields" dpkg-deb -f "${package}" Recommends)
if(NOT out MATCHES "qt6-speech-(speechd|flite)-plugin")
    message(FATAL_ERROR "${package} recommends no speech engine: ${out}")
endif()

# The tones link Qt Multimedia from a module the program loads; the library scan must see it all the same.
run("reading the package's fields" dpkg-deb -f "${package}" Depends)
if(NOT out MATCHES "libqt6multimedia6")
    message(FATAL_ERROR "${package} does not depend on Qt Multimedia for its tones: ${out}")
endif()

run("lintian" "${LINTIAN}" -I --pedantic --fail-on none "${package}")
message("${out}")
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" faults "${out}")
if(faults)
    message(FATAL_ERROR "lintian finds errors or warnings in ${package}")
endif()
message(STATUS "lintian accepts ${package}")
