// The settings file "Merivex.ini": sections of "name=value" keys in cp1250 text with CR LF
// line ends, section and key names matched without regard to case.
//
// There is no cache: every read opens the file and every write rewrites it, so a value
// written by one window is what the next reader sees. A write replaces the file as every save
// of the program does (NahradaSouboru.h), so a crash or a full disk never leaves a
// half-written file; keys saved together (a dialog's settings) go in one replacement.
//
// Reads never throw: what cannot be read gives the defaults, and StavCteni says why.
#pragma once

#include "common/ObsahSouboru.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A settings file that cannot be written. The message is Czech (cp1250) and names the path
// (as cp1250 text, TextCesty).
class EIniFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the last read found at the settings path. No file is no fault (the defaults are what
// a first run has); a path that is not a file, or a file that cannot be read, is: the values
// read were the defaults, and Chyba says why in the words of every file error of the program.
// A file that was read but holds no settings (not text, or not one [section] line) is
// vcNeniNastaveni: what keys it has are read, yet it is worth a warning.
enum class TVysledekCteni { vcPrecteno, vcChybi, vcNeniSoubor, vcNelzeCist, vcNeniNastaveni };
struct TStavCteni {
    TVysledekCteni Vysledek = TVysledekCteni::vcChybi;
    std::optional<TChybaSouboru> Chyba; // with vcNeniSoubor and vcNelzeCist
};

// The warning (cp1250) that names a settings file the program cannot use as it is: a folder
// or other non-file, a file that cannot be read (then it is never rewritten either) or one
// that holds no settings. Nothing when the file is fine or missing (a first run).
std::optional<std::string> VarovaniNastaveni(const std::filesystem::path& path);

// The keys of one section and their new values, in the order they are written.
struct TKliceSekce {
    std::string Section;
    std::vector<std::pair<std::string, std::string>> Keys;
};

class TIniFile {
public:
    explicit TIniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }

    // Missing file, section or key give the default.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // A value that is not a decimal integer gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Any integer other than 0 is true; a value that is not an integer gives the default.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // The outcome of the last read of this object (a write reads first, too).
    const TStavCteni& StavCteni() const { return stav_; }

    // Creates the file, the section and the key as needed; an existing value is replaced in
    // place, every other line stays as it was. Throws EIniFileError, also when the file is
    // there but cannot be read (writing then would lose every other setting).
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    // Several keys, of one section or more, in one replacement of the file: the file ends
    // byte for byte as the same keys written one by one with WriteString would leave it.
    void WriteSection(const TKliceSekce& keys);
    void WriteSections(const std::vector<TKliceSekce>& sections);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

private:
    std::vector<std::string> Lines() const;

    std::filesystem::path path_;
    mutable TStavCteni stav_;
};
