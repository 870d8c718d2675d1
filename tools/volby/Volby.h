// The options of the command-line tools (merivox-cli and merivox-sim): each command lists its
// options in a small table and one parser reads the arguments by it, so that "--x 5" and
// "--x=5", a missing value, "--" and --help behave alike in every command, and a bad value is
// reported with the option it was given to. The tools word the messages themselves.
#pragma once

#include <charconv>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One option of a table: a switch, or an option with a value.
struct TVolba {
    std::string Nazev; // "--baud", "-o"
    // Takes the value of an option with a value; false when the value is bad. Empty for a switch.
    std::function<bool(const std::string&)> Hodnota;
    bool* Zapnuto = nullptr; // what a switch sets
};

TVolba Prepinac(std::string nazev, bool& zapnuto);
TVolba Hodnota(std::string nazev, std::optional<std::string>& cil);
TVolba Hodnota(std::string nazev, std::string& cil);
TVolba Hodnota(std::string nazev, std::function<bool(const std::string&)> prevezmi);

// A whole number from 0 to the largest T, in decimal digits only (no sign, no blanks).
template <class T> std::optional<T> CeleCisloVolby(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    T cislo{};
    const auto [konec, chyba] = std::from_chars(text.data(), text.data() + text.size(), cislo);
    if (chyba != std::errc() || konec != text.data() + text.size())
        return std::nullopt;
    return cislo;
}

template <class T> TVolba CeleCislo(std::string nazev, T& cil) {
    return Hodnota(std::move(nazev), [&cil](const std::string& text) {
        const auto cislo = CeleCisloVolby<T>(text);
        if (cislo)
            cil = *cislo;
        return cislo.has_value();
    });
}

struct TPravidlaVoleb {
    std::vector<TVolba> Volby;
    // Takes an argument that is not an option (a file, a mode); false when the command does not
    // expect it there. Empty: the command takes no such arguments.
    std::function<bool(const std::string&)> Argument;
    // Whether "--" ends the options, so that what follows is taken as arguments ("-" and an
    // empty argument are never options).
    bool KonecVoleb = false;
};

struct TRozborVoleb {
    enum TStav { rvHotovo, rvNapoveda, rvNeznamy, rvChybiHodnota, rvChybnaHodnota } Stav = rvHotovo;
    std::string Argument; // the argument at fault as given ("--baud", "--baud=x", "soubor")
    std::string Volba;    // a bad value: its option
    std::string Hodnota;  // and the value
};

// Reads the arguments in order, up to the first fault or to --help or -h. An option's value is
// the argument after it or the text after "=" ("--x 5", "--x=5"); a switch takes no "=".
TRozborVoleb RozeberVolby(const std::vector<std::string>& argumenty,
                          const TPravidlaVoleb& pravidla);
