# The package a Windows user downloads: one zip with tessik.exe and
# tessik-cli.exe, the Default layout and its keyboard chart, the help files, a read-me, the licence and the notices of what is
# linked into the program. Everything sits at the top of the zip, so that
# "Extract All..." makes one folder holding the program and its Layouts and
# Help folders. Build it with
#   cmake --build --preset windows --target package
# which writes build/windows/Tessik-<version>-win32.zip and its .sha256.

# Texts for Windows users: with CR LF line ends, which every Notepad shows.
set(package_texts ${CMAKE_BINARY_DIR}/package-texts)
configure_file(${PROJECT_SOURCE_DIR}/packaging/README.txt.in ${package_texts}/README.txt
    @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${package_texts}/LICENSE.txt
    @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/packaging/Notices.txt ${package_texts}/Notices/README.txt
    @ONLY NEWLINE_STYLE CRLF)

# The licence texts of the libraries that the static link puts into
# tessik.exe and tessik-cli.exe, as the Debian packages of the toolchain ship them. They are
# copied word for word; only the line ends change.
function(tessik_notice variable package_file notice_name)
    find_file(${variable} ${package_file} PATHS /usr/share
        NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED
        DOC "Licence text of a library linked into tessik.exe, for Notices/${notice_name}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${${variable}})
    file(READ ${${variable}} text)
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${package_texts}/Notices/${notice_name} "${text}")
endfunction()
# The MinGW-w64 C runtime and winpthreads.
tessik_notice(TESSIK_NOTICE_MINGW doc/mingw-w64-i686-dev/copyright MinGW-w64.txt)
# libgcc and libstdc++, with the GCC Runtime Library Exception.
tessik_notice(TESSIK_NOTICE_GCC doc/gcc-mingw-w64-base/copyright GCC.txt)
# The GPL that the exception refers to.
tessik_notice(TESSIK_NOTICE_GPL3 common-licenses/GPL-3 GPL-3.txt)

# strip writes the time it runs into the header of each program, unless
# SOURCE_DATE_EPOCH names another. The zip is packed more than once (the
# installer packs it too), and each time it must hold the same bytes.
install(CODE [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} 0)
endif()
]])

# tessik.exe comes from app/.
if(TARGET tessik)
    install(TARGETS tessik RUNTIME DESTINATION .)
else()
    message(WARNING "The target tessik does not exist: the package will lack tessik.exe")
endif()
# tessik-cli.exe draws the keyboard chart of a layout of one's own.
install(TARGETS tessik-cli RUNTIME DESTINATION .)
install(FILES ${TESSIK_BIN_DIR}/Layouts/Default DESTINATION Layouts)
get_target_property(default_chart tessik-layout-chart PICTURE)
install(FILES ${default_chart} DESTINATION . RENAME "Default layout chart.png")
get_target_property(help_files tessik-help HELP_FILES)
install(FILES ${help_files} DESTINATION Help)
install(FILES ${package_texts}/README.txt ${package_texts}/LICENSE.txt DESTINATION .)
install(DIRECTORY ${package_texts}/Notices DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tessik)
set(CPACK_PACKAGE_VENDOR "The Tessik developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bengali typing in any Windows program on a US keyboard")
set(CPACK_PACKAGE_FILE_NAME Tessik-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)
# Only the binary package: the sources are in the repository.
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
