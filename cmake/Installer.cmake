# The installer a Windows user double-clicks: for one user, without
# administrator rights, with a Start-menu shortcut, a start at sign-in and an
# uninstaller in the list of apps. It is made with NSIS from the files of the
# zip itself, so that it installs exactly what the zip holds. Build it with
#   cmake --build --preset windows --target installer
# which packs the zip again and writes build/windows/Tessik-<version>-setup.exe
# and its .sha256 beside it.

find_program(TESSIK_MAKENSIS makensis REQUIRED DOC "The NSIS compiler (Debian package nsis)")

# The installer runs as the same kind of program as the ones it installs.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(installer_target amd64-unicode)
else()
    set(installer_target x86-unicode)
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE installer_copyright REGEX "^Copyright" LIMIT_COUNT 1)

add_custom_target(installer
    COMMAND ${CMAKE_COMMAND}
        -DCPACK=${CMAKE_CPACK_COMMAND}
        -DMAKENSIS=${TESSIK_MAKENSIS}
        -DSCRIPT=${PROJECT_SOURCE_DIR}/packaging/installer.nsi
        -DBUILD=${CMAKE_BINARY_DIR}
        -DOUTFILE=${CMAKE_BINARY_DIR}/Tessik-${PROJECT_VERSION}-setup.exe
        -DVERSION=${PROJECT_VERSION}
        -DPUBLISHER=${CPACK_PACKAGE_VENDOR}
        -DCOPYRIGHT=${installer_copyright}
        -DTARGET=${installer_target}
        -DICON=${PROJECT_SOURCE_DIR}/resources/win32/icons/imgTessik.ico
        -P ${PROJECT_SOURCE_DIR}/packaging/make-installer.cmake
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Making the installer with NSIS"
    VERBATIM)
add_dependencies(installer tessik tessik-cli tessik-layouts tessik-layout-chart tessik-help)
