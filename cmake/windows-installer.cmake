# Makes the Windows installer (cmake -P): the zip's files installed into a staging folder, the
# list of their removal for the uninstaller made from those same files, then makensis.
#   cmake -DBUILD=... -DSOURCE=... -DVERSION=... -DMAKENSIS=... -P windows-installer.cmake
set(stage "${BUILD}/installer/stage")
file(REMOVE_RECURSE "${BUILD}/installer")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${stage}" --strip
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "installing into ${stage} failed")
endif()

# Files first, then folders deepest first, each only once it is empty.
file(GLOB_RECURSE files RELATIVE "${stage}" "${stage}/*")
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${stage}" "${stage}/*")
set(folders)
foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${stage}/${entry}")
        list(APPEND folders "${entry}")
    endif()
endforeach()
list(SORT files)
list(SORT folders ORDER DESCENDING)
set(removal "")
foreach(file IN LISTS files)
    string(REPLACE "/" "\\" file "${file}")
    string(APPEND removal "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" folder "${folder}")
    string(APPEND removal "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE "${BUILD}/installer/uninstall-list.nsh" "${removal}")

set(setup "${BUILD}/weapon-editor-${VERSION}-setup.exe")
execute_process(COMMAND "${MAKENSIS}" -V2 -INPUTCHARSET UTF8 -DVERSION=${VERSION} -DSTAGE=${stage}
                        -DUNINSTALL_LIST=${BUILD}/installer/uninstall-list.nsh
                        -DICON=${BUILD}/packaging/weapon-editor.ico -DOUTFILE=${setup}
                        "${SOURCE}/packaging/installer.nsi"
                RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    message(FATAL_ERROR "makensis failed")
endif()
message(STATUS "made ${setup}")
