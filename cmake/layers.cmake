# The program is built in layers, one folder each, and a folder may include only from the
# layers below it. Each folder is a library whose include path holds a link to that folder
# alone; a library sees a lower layer's headers only by linking it, so an include that goes
# the wrong way, or sideways to a layer it does not link, fails to build.
#
#   wed_layer(TARGET [LINK libraries...])
# makes TARGET from every .cpp of the current folder but a program's main (*_main.cpp); its
# headers are included as "<folder>/<name>.h".
function(wed_layer target)
    cmake_parse_arguments(LAYER "" "" "LINK" ${ARGN})
    get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
    # Headers are sources too, so that a new one with a Q_OBJECT reaches moc.
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp"
         "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    list(FILTER sources EXCLUDE REGEX "_main\\.cpp$")
    add_library(${target} STATIC ${sources})
    set(root "${CMAKE_BINARY_DIR}/layers/${target}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)
    target_include_directories(${target} PUBLIC "${root}")
    target_link_libraries(${target} PUBLIC ${LAYER_LINK})
endfunction()
