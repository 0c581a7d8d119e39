# Windows build with MinGW-w64, included by the toolchain file of each
# processor after it has set CMAKE_SYSTEM_PROCESSOR and TESSIK_MINGW_PREFIX.
# The posix thread variant is required: the win32 variant lacks std::thread
# and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TESSIK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSIK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSIK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESSIK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One self-contained executable: no MinGW runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
