// Another program that holds the global hot key Ctrl+Alt+Space, as some
// other programs do, for the end-to-end tests of a start that finds it taken.
//
//   hot-key-holder.exe READY_FILE
//
// READY_FILE is written once the hot key is registered; the program then
// waits for messages until it is ended.

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hot-key-holder READY_FILE\n");
        return 2;
    }
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_SPACE))
        return 3;
    if (FILE* ready = std::fopen(argv[1], "w"))
        std::fclose(ready);
    else
        return 4;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
