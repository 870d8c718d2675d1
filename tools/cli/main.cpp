// merivox-cli: a thin start; the subcommands are in the files beside this one.
#include "Cli.h"
#include "Preruseni.h"

#include <iostream>

int main(int argc, char** argv) {
    VystupBinarne();
    IgnorujZavrenouRouru();
    const TTerminal terminal{std::cout, std::cerr, TerminalJeUtf8()};
    const int status = SpustCli(TArgumenty(argv + 1, argv + argc), terminal);
    std::cout.flush();
    return std::cout ? status : kSelhani;
}
