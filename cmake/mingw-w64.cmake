# Cross-building for 64-bit Windows with Debian's MinGW-w64 compilers (posix threads, which
# Qt needs for std::thread). Used to build Qt itself (scripts/build-qt-windows), GoogleTest and
# the project (preset "windows").
#
# The target's Qt, GoogleTest and Lua are looked up in WED_WINDOWS_PREFIXES (a list; the
# environment variable of the same name, separated by ':', is read too, so that try_compile
# runs see the same prefixes). When neither is set, the scripts' default places are used:
# ../shared/qt6-mingw/6.4.2 beside the repository, else the user's cache folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT WED_WINDOWS_PREFIXES AND DEFINED ENV{WED_WINDOWS_PREFIXES})
    string(REPLACE ":" ";" WED_WINDOWS_PREFIXES "$ENV{WED_WINDOWS_PREFIXES}")
endif()
if(NOT WED_WINDOWS_PREFIXES)
    set(cache "$ENV{HOME}/.cache/weapon-editor")
    get_filename_component(shared_qt "${CMAKE_CURRENT_LIST_DIR}/../../shared/qt6-mingw/6.4.2"
                           ABSOLUTE)
    if(EXISTS "${shared_qt}/lib/cmake/Qt6/Qt6Config.cmake")
        set(WED_WINDOWS_PREFIXES "${shared_qt}")
    else()
        set(WED_WINDOWS_PREFIXES "${cache}/qt6-mingw-6.4.2")
    endif()
    list(APPEND WED_WINDOWS_PREFIXES "${cache}/googletest-mingw" "${cache}/lua-mingw")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${WED_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's host tools (moc, rcc, uic) are Debian's own of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
