#include "common/IniFile.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/NahradaSouboru.h"
#include "common/Radky.h"

#include <charconv>

namespace {

std::string Orizni(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool StejneJmeno(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The section name of a "[name]" line.
std::optional<std::string> JmenoSekce(const std::string& line) {
    const std::string t = Orizni(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']')
        return Orizni(t.substr(1, t.size() - 2));
    return std::nullopt;
}

// Key and value of a "name=value" line.
std::optional<std::pair<std::string, std::string>> Klic(const std::string& line) {
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return std::make_pair(Orizni(line.substr(0, eq)), Orizni(line.substr(eq + 1)));
}

std::optional<int> CeleCislo(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || first == last)
        return std::nullopt;
    return value;
}

// Whether a file read holds settings: text, and (unless it is blank) at least one section.
bool DrziNastaveni(const std::string& text, const std::vector<std::string>& lines) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n')
            return false;
    bool blank = true;
    for (const auto& line : lines) {
        if (JmenoSekce(line))
            return true;
        blank = blank && Orizni(line).empty();
    }
    return blank;
}

std::string TextNelzeUlozit(const std::filesystem::path& path) {
    return Cz("Soubor nastavení \"") + TextCesty(path) +
           Cz("\" nelze zapsat. Nastavení nebylo uloženo.");
}

void ZapisAtomicky(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string content;
    for (const auto& line : lines)
        content += line + "\r\n";
    if (NahradSoubor(path, content))
        throw EIniFileError(TextNelzeUlozit(path));
}

// Sets one key in the lines of the file: an existing value is replaced in place, a new key
// goes after the last non-blank line of its section, a new section at the end.
void NastavKlic(std::vector<std::string>& lines, const std::string& section, const std::string& key,
                const std::string& value) {
    const std::string newLine = key + "=" + value;
    bool inSection = false;
    std::optional<std::size_t> sectionEnd; // index after the last non-blank line of the section
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = JmenoSekce(lines[i])) {
            if (inSection)
                break;
            inSection = StejneJmeno(*name, section);
            if (inSection)
                sectionEnd = i + 1;
        } else if (inSection) {
            if (const auto kv = Klic(lines[i]); kv && StejneJmeno(kv->first, key)) {
                lines[i] = newLine;
                return;
            }
            if (!Orizni(lines[i]).empty())
                sectionEnd = i + 1;
        }
    }
    if (sectionEnd) {
        lines.insert(lines.begin() + std::ptrdiff_t(*sectionEnd), newLine);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(newLine);
    }
}

} // namespace

TIniFile::TIniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::vector<std::string> TIniFile::Lines() const {
    namespace fs = std::filesystem;
    stav_ = {};
    std::error_code ec;
    const fs::file_status status = fs::status(path_, ec);
    if (status.type() == fs::file_type::not_found)
        return {};
    if (status.type() != fs::file_type::regular && !ec) {
        // A folder, a device or a pipe: reading one would give nonsense or never end.
        stav_.Vysledek = TVysledekCteni::vcNeniSoubor;
        stav_.Chyba = TChybaSouboru{TDruhChybySouboru::dcCteni, path_,
                                    std::make_error_code(status.type() == fs::file_type::directory
                                                             ? std::errc::is_a_directory
                                                             : std::errc::operation_not_supported)};
        return {};
    }
    std::string text;
    if (auto chyba = NactiObsahSouboru(path_, text)) {
        stav_.Vysledek = TVysledekCteni::vcNelzeCist;
        stav_.Chyba = std::move(chyba);
        return {};
    }
    stav_.Vysledek = TVysledekCteni::vcPrecteno;
    const auto lines = RadkyTextu(text);
    std::vector<std::string> result(lines.begin(), lines.end());
    if (!DrziNastaveni(text, result))
        stav_.Vysledek = TVysledekCteni::vcNeniNastaveni;
    return result;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    bool inSection = false;
    for (const auto& line : Lines()) {
        if (const auto name = JmenoSekce(line)) {
            inSection = StejneJmeno(*name, section);
        } else if (inSection) {
            if (const auto kv = Klic(line); kv && StejneJmeno(kv->first, key))
                return kv->second;
        }
    }
    return defaultValue;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    return CeleCislo(ReadString(section, key, {})).value_or(defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key,
                        bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    WriteSection({section, {{key, value}}});
}

void TIniFile::WriteSection(const TKliceSekce& keys) {
    WriteSections({keys});
}

void TIniFile::WriteSections(const std::vector<TKliceSekce>& sections) {
    auto lines = Lines();
    if (stav_.Chyba)
        throw EIniFileError(TextNelzeUlozit(path_));
    for (const TKliceSekce& s : sections)
        for (const auto& [key, value] : s.Keys)
            NastavKlic(lines, s.Section, key, value);
    ZapisAtomicky(path_, lines);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::optional<std::string> VarovaniNastaveni(const std::filesystem::path& path) {
    TIniFile ini(path);
    ini.ReadString("", "", "");
    const TStavCteni& stav = ini.StavCteni();
    switch (stav.Vysledek) {
    case TVysledekCteni::vcPrecteno:
    case TVysledekCteni::vcChybi:
        return std::nullopt;
    case TVysledekCteni::vcNeniNastaveni:
        return Cz("Soubor nastavení \"") + TextCesty(path) +
               Cz("\" neobsahuje nastavení (není to text nebo v něm chybí sekce); platí výchozí "
                  "hodnoty.");
    case TVysledekCteni::vcNeniSoubor:
    case TVysledekCteni::vcNelzeCist:
        break;
    }
    std::string text = Cz("Soubor nastavení \"") + TextCesty(path) + Cz("\" nelze přečíst");
    if (stav.Chyba && stav.Chyba->Duvod)
        text += " (" + TextChyby(stav.Chyba->Duvod) + ")";
    return text + Cz("; platí výchozí hodnoty a nastavení se do něj neuloží.");
}
