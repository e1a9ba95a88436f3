# Installs the build into a scratch prefix and checks that a desktop finds everything there.
# Arguments: BUILD_DIR, PREFIX, APP_ID, TONES (the tone module, relative to the prefix).
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/astravida
    ${TONES}
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/mime/packages/${APP_ID}.xml
    share/man/man1/astravida.1.gz
    share/doc/astravida/copyright
    share/doc/astravida/changelog.gz
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path ${expected})
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "missing from the installed tree: ${path}")
    endif()
endforeach()

# A saved reading must reach the program from the file manager: the desktop entry, the metadata and the MIME
# package all name the one reading-file type.
set(reading_type application/x-astravida-reading)
file(READ "${PREFIX}/share/applications/${APP_ID}.desktop" desktop_entry)
if(NOT desktop_entry MATCHES "\nMimeType=([^\n]*;)?${reading_type};" OR NOT desktop_entry MATCHES "\nExec=astravida %f\n")
    message(FATAL_ERROR "the desktop entry does not open ${reading_type} files")
endif()
file(READ "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<mediatype>${reading_type}</mediatype>")
    message(FATAL_ERROR "the metainfo does not provide ${reading_type}")
endif()
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
    execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${PREFIX}/share/mime"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    file(READ "${PREFIX}/share/mime/globs2" globs)
    if(NOT result EQUAL 0 OR NOT globs MATCHES "\n[0-9]+:${reading_type}:\\*\\.avd:cs\n")
        message(FATAL_ERROR "the MIME package does not match *.avd, case-sensitively, as ${reading_type}: ${out}")
    endif()
endif()

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
