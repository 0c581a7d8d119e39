// tessik-cli: the translation engine on the command line, with a simulated
// US keyboard and text box, and the conversions of layout files.

#include "tools/CommandLine.h"

#include <cstdio>
#include <exception>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kFailure = 1;
constexpr int kWrongCommandLine = 2;

int Report(const char* message, int status) {
    std::fprintf(stderr, "tessik-cli: %s\n", message);
    return status;
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // UTF-8 with "\n" line ends on Windows too: no newline translation.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    try {
        const std::string output = tessik::cli::RunCommandLine({argv + 1, argv + argc});
        std::fwrite(output.data(), 1, output.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : Report("cannot write the output", kFailure);
    } catch (const tessik::cli::UsageError& error) {
        return Report(error.what(), kWrongCommandLine);
    } catch (const std::exception& error) {
        return Report(error.what(), kFailure);
    }
}
