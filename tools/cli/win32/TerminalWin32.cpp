// The console's code page on Windows; standard output without CR LF translation.
#include "Terminal.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

bool TerminalJeUtf8() {
    return GetConsoleOutputCP() != 1250;
}

void VystupBinarne() {
    _setmode(_fileno(stdout), _O_BINARY);
}

bool ChybyNaTerminalu() {
    return _isatty(_fileno(stderr)) != 0;
}
