# The 64-bit Windows build: keeps the Windows layer free of 32-bit
# assumptions, and runs the end-to-end tests where a machine cannot run
# 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TESSIK_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
