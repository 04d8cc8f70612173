# Run at install time (cmake/windows.cmake): installs every DLL that the programs and their
# plugins load and that is not part of Windows, found by reading their import tables.
# In: WED_PROGRAMS, WED_PLUGINS, WED_DLL_FOLDERS.
cmake_policy(VERSION 3.25)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND x86_64-w64-mingw32-objdump)

set(candidates)
foreach(folder IN LISTS WED_DLL_FOLDERS)
    file(GLOB dlls "${folder}/*.dll")
    list(APPEND candidates ${dlls})
endforeach()

# CMake looks the imported names up in lower case, which a case-sensitive disk does not find
# for Qt6Core.dll and its kin: those are matched here and read in the next round.
set(libraries)
while(TRUE)
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES ${WED_PROGRAMS} MODULES ${WED_PLUGINS} LIBRARIES ${libraries}
        DIRECTORIES ${WED_DLL_FOLDERS}
        PRE_INCLUDE_REGEXES "^(qt6|lib)" PRE_EXCLUDE_REGEXES ".*"
        RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
    set(added FALSE)
    foreach(name IN LISTS unresolved)
        set(found "")
        foreach(candidate IN LISTS candidates)
            get_filename_component(candidate_name "${candidate}" NAME)
            string(TOLOWER "${candidate_name}" candidate_name)
            if(candidate_name STREQUAL name)
                set(found "${candidate}")
            endif()
        endforeach()
        if(NOT found)
            message(FATAL_ERROR "${name} is not in ${WED_DLL_FOLDERS}")
        endif()
        if(NOT found IN_LIST libraries)
            list(APPEND libraries "${found}")
            set(added TRUE)
        endif()
    endforeach()
    if(NOT added)
        break()
    endif()
endwhile()
file(INSTALL ${resolved} ${libraries} DESTINATION "${CMAKE_INSTALL_PREFIX}")
