// The console's code page on Windows, standard output without CR LF translation, and the
// names that arguments give in full.
#include "Terminal.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h> // after windows.h, whose types it uses

std::filesystem::path CestaArgumentu(const std::string& argument) {
    // The arguments main gets are in the ANSI code page, where a name outside it has become
    // question marks. The wide command line still has it: the argument that gives exactly
    // these ANSI bytes is the one meant; when two would, the bytes as they are.
    int pocet = 0;
    LPWSTR* siroke = CommandLineToArgvW(GetCommandLineW(), &pocet);
    std::filesystem::path nalezena;
    int nalezenych = 0;
    for (int i = 1; siroke && i < pocet; ++i) {
        const int delka =
            WideCharToMultiByte(CP_ACP, 0, siroke[i], -1, nullptr, 0, nullptr, nullptr);
        std::string ansi(delka > 0 ? std::size_t(delka) : 0, '\0');
        if (delka > 0)
            WideCharToMultiByte(CP_ACP, 0, siroke[i], -1, ansi.data(), delka, nullptr, nullptr);
        if (!ansi.empty())
            ansi.pop_back(); // the terminating zero
        if (ansi == argument && nalezenych++ == 0)
            nalezena = std::filesystem::path(std::wstring(siroke[i]));
    }
    LocalFree(siroke);
    return nalezenych == 1 ? nalezena : std::filesystem::path(argument);
}

bool TerminalJeUtf8() {
    return GetConsoleOutputCP() != 1250;
}

void VystupBinarne() {
    _setmode(_fileno(stdout), _O_BINARY);
}

bool ChybyNaTerminalu() {
    return _isatty(_fileno(stderr)) != 0;
}
