# Installs the build into a scratch prefix and checks that a desktop finds everything there.
# Arguments: BUILD_DIR, PREFIX, APP_ID.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/astravida
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path ${expected})
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "missing from the installed tree: ${path}")
    endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/${APP_ID}.desktop"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0 OR out MATCHES "error")
        message(FATAL_ERROR "desktop-file-validate: ${out}")
    endif()
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net --pedantic "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate: ${out}")
    endif()
endif()
message(STATUS "installed tree complete")
