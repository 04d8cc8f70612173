# The Windows program: its icon and version resource, and the zip that holds everything it
# needs to start on a machine with nothing installed. Included by the top CMakeLists.txt when
# building for Windows (preset "windows"); `cpack` in the build folder makes the zip.

set_target_properties(weapon-editor PROPERTIES WIN32_EXECUTABLE ON)
# The command line's console program beside it: cmd.exe tries .com before .exe, so that
# "weapon-editor" typed there runs a program that cmd.exe waits for and takes the status of.
set_target_properties(weapon-editor-cli PROPERTIES OUTPUT_NAME weapon-editor SUFFIX .com)

# The icon, drawn from the same picture as the Linux menu entry's, in the sizes Windows shows.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(icon_svg "${PROJECT_SOURCE_DIR}/packaging/weapon-editor.svg")
set(icon "${CMAKE_BINARY_DIR}/packaging/weapon-editor.ico")
set(icon_sizes 16 24 32 48 64 256)
set(icon_commands)
set(icon_pngs)
foreach(size IN LISTS icon_sizes)
    set(png "${CMAKE_BINARY_DIR}/packaging/icon-${size}.png")
    list(APPEND icon_commands COMMAND "${RSVG_CONVERT}" -w ${size} -h ${size} -o "${png}" "${icon_svg}")
    list(APPEND icon_pngs "${png}")
endforeach()
add_custom_command(OUTPUT "${icon}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_BINARY_DIR}/packaging"
    ${icon_commands}
    COMMAND "${ICOTOOL}" -c -o "${icon}" ${icon_pngs}
    DEPENDS "${icon_svg}" VERBATIM)
add_custom_target(weapon-editor-icon DEPENDS "${icon}")

# The version resource and the icon of both programs; Qt's windows platform gives every window
# the icon named IDI_ICON1.
string(REPLACE "." "," WED_VERSION_COMMAS "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
set(programs weapon-editor weapon-editor-cli)
set(file_names weapon-editor.exe weapon-editor.com)
foreach(program WED_FILE_NAME IN ZIP_LISTS programs file_names)
    set(rc "${CMAKE_BINARY_DIR}/packaging/${program}.rc")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/weapon-editor.rc.in" "${rc}" @ONLY)
    target_sources(${program} PRIVATE "${rc}")
    add_dependencies(${program} weapon-editor-icon)
    set_source_files_properties("${rc}" TARGET_DIRECTORY ${program}
                                PROPERTIES OBJECT_DEPENDS "${icon}")
endforeach()

# The zip: both programs at its top with the DLLs they load (Qt's and the MinGW runtime's), the
# platform and style plugins, the sample game folder and a short README. The program reads its
# item pictures itself, so no image format plugin is loaded or shipped.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin "${qt_core_dll}" DIRECTORY)
get_filename_component(qt_plugins "${qt_bin}/../plugins" ABSOLUTE)
execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE gcc_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_bin "${gcc_dll}" DIRECTORY)
set(wed_plugins "${qt_plugins}/platforms/qwindows.dll" "${qt_plugins}/styles/qwindowsvistastyle.dll")

install(TARGETS weapon-editor weapon-editor-cli RUNTIME DESTINATION .)
install(FILES "${qt_plugins}/platforms/qwindows.dll" DESTINATION platforms)
install(FILES "${qt_plugins}/styles/qwindowsvistastyle.dll" DESTINATION styles)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/sample/game/" DESTINATION sample-game)
configure_file("${PROJECT_SOURCE_DIR}/packaging/README-windows.txt.in"
               "${CMAKE_BINARY_DIR}/packaging/README.txt" @ONLY)
install(FILES "${CMAKE_BINARY_DIR}/packaging/README.txt" DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt)
# Every DLL the programs and the plugins load that is not part of Windows.
install(CODE "
    set(WED_PROGRAMS \"$<TARGET_FILE:weapon-editor>;$<TARGET_FILE:weapon-editor-cli>\")
    set(WED_PLUGINS \"${wed_plugins}\")
    set(WED_DLL_FOLDERS \"${qt_bin};${gcc_bin};/usr/x86_64-w64-mingw32/lib\")
")
install(SCRIPT "${PROJECT_SOURCE_DIR}/cmake/windows-dlls.cmake")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME weapon-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)

# The installer, from the same installed files as the zip: `cmake --build build-windows --target
# installer` makes build-windows/weapon-editor-VERSION-setup.exe with NSIS (makensis).
find_program(MAKENSIS makensis)
if(MAKENSIS)
    set(setup "${CMAKE_BINARY_DIR}/weapon-editor-${PROJECT_VERSION}-setup.exe")
    file(GLOB_RECURSE sample_files "${PROJECT_SOURCE_DIR}/sample/game/*")
    add_custom_command(OUTPUT "${setup}"
        COMMAND "${CMAKE_COMMAND}" -DBUILD=${CMAKE_BINARY_DIR} -DSOURCE=${PROJECT_SOURCE_DIR}
                -DVERSION=${PROJECT_VERSION} -DMAKENSIS=${MAKENSIS}
                -P "${PROJECT_SOURCE_DIR}/cmake/windows-installer.cmake"
        DEPENDS weapon-editor weapon-editor-cli "${icon}" "${PROJECT_SOURCE_DIR}/LICENSE"
                "${PROJECT_SOURCE_DIR}/packaging/installer.nsi"
                "${PROJECT_SOURCE_DIR}/packaging/README-windows.txt.in"
                "${PROJECT_SOURCE_DIR}/cmake/windows-installer.cmake" ${sample_files}
        VERBATIM)
    add_custom_target(installer DEPENDS "${setup}")
endif()
