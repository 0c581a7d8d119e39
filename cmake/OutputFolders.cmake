# All executables land in one folder, so that the Layouts and Help folders
# that the program finds beside itself are built once, next to all of them.
set(TESSIK_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TESSIK_BIN_DIR})
