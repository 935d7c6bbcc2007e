# cmake -DCPACK=... -DBUILD_DIR=... -DWORK_DIR=... -DGUI=ON|OFF -DAPP_ID=... -DVERSION=...
#       -P check_deb.cmake
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
    RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${rc}\n${log}")
endif()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
    OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb ${WORK_DIR}/velbrin_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
    file(GLOB made ${WORK_DIR}/*.deb)
    message(FATAL_ERROR "no ${deb}; cpack made: ${made}")
endif()

function(field name out)
    execute_process(COMMAND dpkg-deb --field ${deb} ${name} OUTPUT_VARIABLE value
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()
field(Package package)
field(Version version)
field(Depends depends)
field(Maintainer maintainer)
field(Section section)
if(NOT package STREQUAL "velbrin" OR NOT version STREQUAL VERSION)
    message(FATAL_ERROR "package '${package}' version '${version}'")
endif()
if(maintainer STREQUAL "" OR section STREQUAL "")
    message(FATAL_ERROR "maintainer '${maintainer}', section '${section}'")
endif()

# dpkg-shlibdeps found the C library under ringcode and, with the window
# program, Qt's widgets library; the font is the one named by hand.
set(needed "libc6 ")
if(GUI)
    list(APPEND needed "libqt6widgets6 " "fonts-liberation")
endif()
foreach(dep IN LISTS needed)
    if(NOT depends MATCHES "(^|, )${dep}")
        message(FATAL_ERROR "Depends lacks ${dep}: ${depends}")
    endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents ${deb} OUTPUT_VARIABLE contents)
set(files ./usr/bin/ringcode ./usr/share/man/man1/ringcode.1)
if(GUI)
    list(APPEND files ./usr/bin/velbrin ./usr/share/applications/${APP_ID}.desktop
        ./usr/share/icons/hicolor/32x32/apps/${APP_ID}.png)
endif()
foreach(file IN LISTS files)
    string(FIND "${contents}" " ${file}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${file} is not in the package:\n${contents}")
    endif()
endforeach()
