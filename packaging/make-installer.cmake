# Makes the installer (cmake/Installer.cmake runs this script for the build
# folder BUILD): packs the zip, unpacks it, lists its files for installer.nsi and
# runs makensis on it.

set(cpack_config ${BUILD}/CPackConfig.cmake)
execute_process(COMMAND ${CPACK} --config ${cpack_config} WORKING_DIRECTORY ${BUILD}
    COMMAND_ERROR_IS_FATAL ANY)
include(${cpack_config})
set(ZIP ${BUILD}/${CPACK_PACKAGE_FILE_NAME}.zip)

set(WORK ${BUILD}/installer)
set(files ${WORK}/files)
file(REMOVE_RECURSE ${files})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${files})

# The list: TessikFiles inserts ACTION with the folder (in Windows' form, ""
# for the installation folder) and the name of each file; TessikFolders
# inserts it with each folder, deepest first, so that each is empty of our
# files before its parent is removed.
file(GLOB_RECURSE paths LIST_DIRECTORIES false RELATIVE ${files} ${files}/*)
list(SORT paths)
set(file_items "")
set(folders "")
foreach(path IN LISTS paths)
    get_filename_component(folder "${path}" DIRECTORY)
    get_filename_component(name "${path}" NAME)
    set(parent "${folder}")
    while(parent)
        list(APPEND folders "${parent}")
        get_filename_component(parent "${parent}" DIRECTORY)
    endwhile()
    string(REPLACE "/" "\\" folder "${folder}")
    string(APPEND file_items "    !insertmacro \${ACTION} \"${folder}\" \"${name}\"\n")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
set(folder_items "")
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" folder "${folder}")
    string(APPEND folder_items "    !insertmacro \${ACTION} \"${folder}\"\n")
endforeach()
set(file_list ${WORK}/files.nsh)
file(WRITE ${file_list}
    "; The files of ${ZIP}, as make-installer.cmake lists them.\n"
    "!macro TessikFiles ACTION\n${file_items}!macroend\n"
    "!macro TessikFolders ACTION\n${folder_items}!macroend\n")

# -WX: a warning is a mistake in the script.
execute_process(
    COMMAND ${MAKENSIS} -V2 -WX -INPUTCHARSET UTF8
        -DVERSION=${VERSION} -DPUBLISHER=${PUBLISHER} -DCOPYRIGHT=${COPYRIGHT}
        -DTARGET=${TARGET} -DICON=${ICON} -DFILES=${files} -DFILE_LIST=${file_list}
        -DOUTFILE=${OUTFILE} ${SCRIPT}
    COMMAND_ERROR_IS_FATAL ANY)

get_filename_component(name ${OUTFILE} NAME)
file(SHA256 ${OUTFILE} hash)
file(WRITE ${OUTFILE}.sha256 "${hash}  ${name}\n")
message(STATUS "Installer: ${OUTFILE}")
