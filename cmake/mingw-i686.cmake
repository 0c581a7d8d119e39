# The 32-bit Windows build: the program that ships.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TESSIK_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
