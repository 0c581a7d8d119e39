# 32-bit Windows build with MinGW-w64. The posix thread variant is required:
# the win32 variant lacks std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TESSIK_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TESSIK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSIK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSIK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESSIK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One self-contained executable: no MinGW runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
