// The settings file "Merivex.ini": sections of "name=value" keys in cp1250 text with CR LF
// line ends, section and key names matched without regard to case.
//
// There is no cache: every read opens the file and every write rewrites it, so a value
// written by one window is what the next reader sees. A write replaces the file as every save
// of the program does (NahradaSouboru.h), so a crash or a full disk never leaves a
// half-written file.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// A settings file that cannot be written. The message is Czech (cp1250) and names the path
// (as cp1250 text, TextCesty).
class EIniFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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

    // Creates the file, the section and the key as needed; an existing value is replaced in
    // place, every other line stays as it was. Throws EIniFileError.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

private:
    std::filesystem::path path_;
};
