# cmake -DPREFIX=... -DGUI=ON|OFF -DAPP_ID=... -DVERSION=... -DAPPSTREAMCLI=...
#       -P check_install.cmake
set(expected bin/ringcode share/man/man1/ringcode.1 share/doc/velbrin/copyright)
# The desktop files come with the window program only.
set(desktop
    bin/velbrin
    share/man/man1/velbrin.1
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/32x32/apps/${APP_ID}.png
    share/icons/hicolor/48x48/apps/${APP_ID}.png
    share/icons/hicolor/64x64/apps/${APP_ID}.png
    share/icons/hicolor/128x128/apps/${APP_ID}.png
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
if(GUI)
    list(APPEND expected ${desktop})
else()
    foreach(file IN LISTS desktop)
        if(EXISTS ${PREFIX}/${file})
            message(FATAL_ERROR "${file} installed without the window program")
        endif()
    endforeach()
endif()

set(missing)
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        list(APPEND missing ${file})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "not installed: ${missing}")
endif()

# The installed companion runs on its own, away from the build tree; the line
# is the worked example of 4750 ohms on four rings.
execute_process(COMMAND ${PREFIX}/bin/ringcode find --rings 4 4750
    RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "4750\tyellow gray red brown\t4,8 Ком\n")
    message(FATAL_ERROR "installed ringcode: exit ${rc}, printed '${out}'")
endif()

if(NOT GUI)
    return()
endif()

# The metainfo names this release.
file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
    message(FATAL_ERROR "the metainfo has no release entry for ${VERSION}")
endif()

# AppStream's view of the installed tree: the metainfo finds the desktop
# entry it names as its launchable.
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --strict --no-net --no-color ${PREFIX}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree: exit ${rc}\n${out}")
endif()
