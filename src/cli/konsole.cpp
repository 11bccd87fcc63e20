#include "cli/konsole.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "core/textdatei.h"
#endif

namespace zahlix::cli {

#ifdef _WIN32

void KonsoleEinrichten() {
    // Text mode would turn a report's CR LF into CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Umlauts in the console window instead of the ANSI code page's garble.
    ::SetConsoleOutputCP(CP_UTF8);
    ::SetConsoleCP(CP_UTF8);
}

std::vector<std::string> ArgumenteUtf8(int, char**) {
    // argv holds the ANSI code page, which has no room for every file name; the wide command
    // line has them all.
    std::vector<std::string> argumente;
    int n = 0;
    wchar_t** w = ::CommandLineToArgvW(::GetCommandLineW(), &n);
    if (!w) return argumente;
    for (int i = 1; i < n; ++i) argumente.push_back(TextAusPfad(std::filesystem::path(w[i])));
    ::LocalFree(w);
    return argumente;
}

#else

void KonsoleEinrichten() {}

std::vector<std::string> ArgumenteUtf8(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

#endif

}  // namespace zahlix::cli
