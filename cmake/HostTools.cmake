# TESSIK_LAYOUT_COMPILER: a tessik-cli that runs on the build machine, whose
# "layout import" turns the text form of a layout into a layout file and
# whose "layout chart" draws the layout's keyboard chart.
# TESSIK_LAYOUT_COMPILER_TARGET: the target that builds it.
#
# A host build uses its own tessik-cli. A cross build cannot run the one it
# makes, so it builds this same source tree once more for the host, with the
# host's compiler and nothing but the tool.
if(NOT CMAKE_CROSSCOMPILING)
    set(TESSIK_LAYOUT_COMPILER $<TARGET_FILE:tessik-cli>)
    set(TESSIK_LAYOUT_COMPILER_TARGET tessik-cli)
    return()
endif()

include(ExternalProject)
set(host_tools_dir ${CMAKE_BINARY_DIR}/host-tools)
ExternalProject_Add(tessik_host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${host_tools_dir}
    CMAKE_ARGS
        -DTESSIK_HOST_TOOLS_ONLY=ON
        -DCMAKE_BUILD_TYPE=Release
        -DTESSIK_WERROR=${TESSIK_WERROR}
    INSTALL_COMMAND ""
    # Let the tool's own build decide whether anything changed.
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${host_tools_dir}/bin/tessik-cli
)
set(TESSIK_LAYOUT_COMPILER ${host_tools_dir}/bin/tessik-cli)
set(TESSIK_LAYOUT_COMPILER_TARGET tessik_host_tools)
