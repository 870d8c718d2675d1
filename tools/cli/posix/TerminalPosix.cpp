// The terminal's encoding from the locale of a POSIX system.
#include "Terminal.h"

#include <clocale>
#include <langinfo.h>
#include <string_view>
#include <unistd.h>

std::filesystem::path CestaArgumentu(const std::string& argument) {
    return std::filesystem::path(argument); // the bytes the system will look up
}

bool TerminalJeUtf8() {
    std::setlocale(LC_CTYPE, "");
    const std::string_view kodovani = nl_langinfo(CODESET);
    return !(kodovani == "CP1250" || kodovani == "WINDOWS-1250");
}

void VystupBinarne() {}

bool ChybyNaTerminalu() {
    return isatty(STDERR_FILENO) == 1;
}
