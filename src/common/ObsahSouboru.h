// Reading and saving the whole content of a file, and the one set of texts that tell the user
// why a file could not be read, created or written: every window, merivox-cli and the
// simulator say it in the same words, the system's own reason in parentheses. Saving goes
// through the program's one file replacement (NahradaSouboru.h), so it never destroys the
// user's earlier file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

class TZpravy;

// Which step failed: reading, making the new file, or writing its content.
enum class TDruhChybySouboru { dcCteni, dcVytvoreni, dcZapis };

struct TChybaSouboru {
    TDruhChybySouboru Druh = TDruhChybySouboru::dcCteni;
    std::filesystem::path Soubor;
    std::error_code Duvod; // what the system said; may be empty
    std::string Popis = {}; // a message of its own where no standard text fits (cp1250)

    // The message shown (cp1250), e.g. Soubor "X" nelze přečíst (Permission denied).
    std::string Text() const;
};

// The texts themselves, for callers that find the failure on their own; the reason is added in
// parentheses when there is one.
std::string TextNelzeCist(const std::filesystem::path& soubor, std::error_code duvod = {});
std::string TextNelzeVytvorit(const std::filesystem::path& soubor, std::error_code duvod = {});
std::string TextNelzeZapsat(const std::filesystem::path& soubor, std::error_code duvod = {});

// The whole file as bytes, or the error (a folder cannot be read as a file). Pipes and devices
// are read to their end.
std::optional<TChybaSouboru> NactiObsahSouboru(const std::filesystem::path& soubor,
                                               std::string& obsah);

// Writes `obsah` as the file's new content. On any failure the old file stays as it was and
// the error says why.
std::optional<TChybaSouboru> ZapisObsahSouboru(const std::filesystem::path& soubor,
                                               const std::string& obsah);

// Shows the error as the program's default error box; true when there was none.
bool OhlasChybu(const std::optional<TChybaSouboru>& chyba, TZpravy& zpravy);
