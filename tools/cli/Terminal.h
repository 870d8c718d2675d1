// The terminal merivox-cli talks to: standard output for data, standard error for one line
// per message, in the terminal's encoding (the program's texts are cp1250).
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

struct TTerminal {
    std::ostream& Vystup; // standard output, bytes as they are
    std::ostream& Chyby;  // standard error
    bool Utf8 = true;     // the terminal's encoding: UTF-8, or else cp1250

    // A cp1250 text in the terminal's encoding, and back.
    std::string NaTerminal(const std::string& cp1250) const;
    std::string ZTerminalu(const std::string& text) const;

    // "merivox-cli: " + prefix + each line of the cp1250 text that is not empty, one line each.
    void Hlaseni(const std::string& prefix, const std::string& cp1250) const;
    // Help or results on standard output (cp1250 text).
    void Tisk(const std::string& cp1250) const;
};

// Platform half: the file a command-line argument names, as given: file names are the
// system's, not the code page's (данные.sdt stays what it is).
std::filesystem::path CestaArgumentu(const std::string& argument);
// The encoding of the terminal, and standard output switched to bytes.
bool TerminalJeUtf8();
void VystupBinarne();
// Whether standard error is a terminal (where a progress line may rewrite itself).
bool ChybyNaTerminalu();
