// Reading and saving the whole content of a point or code file, with the messages the user
// sees when that fails. Saving never destroys the user's earlier file: the new content goes
// to a temporary file beside it, which then replaces the old one in one step.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

class TZpravy;

struct TChybaSouboru {
    // "Cannot open file NAME." or "Cannot create file NAME." (cp1250, NAME as given).
    std::string Zprava;
    // What the system said, e.g. "No such file or directory"; may be empty.
    std::string Duvod;

    // The message shown: the first line, then the reason on a line of its own.
    std::string Text() const;
};

std::string ZpravaNelzeOtevrit(const std::filesystem::path& soubor);
std::string ZpravaNelzeVytvorit(const std::filesystem::path& soubor);

// The whole file as bytes, or the error.
std::optional<TChybaSouboru> NactiObsahSouboru(const std::filesystem::path& soubor,
                                               std::string& obsah);

// Writes `obsah` as the file's new content. On any failure the old file stays as it was,
// the temporary file is removed and the error says why.
std::optional<TChybaSouboru> ZapisObsahSouboru(const std::filesystem::path& soubor,
                                               const std::string& obsah);

// The same with the writing of the temporary file replaceable, so that tests can make it fail
// half way.
using TZapisDoProudu = std::function<void(std::ostream&, const std::string&)>;
std::optional<TChybaSouboru> ZapisObsahSouboru(const std::filesystem::path& soubor,
                                               const std::string& obsah,
                                               const TZapisDoProudu& zapis);

// Opening a point or code file (A_OtevriSoubor after the dialog): the table is reset first, so
// a file that cannot be read leaves one empty row; then `nacti` (NactiBody, NactiKody) fills it
// from the file's bytes. Saving one is ZapisObsahSouboru of TextSouboruBodu / TextSouboruKodu.
template <class TTabulka>
std::optional<TChybaSouboru> NactiSouborTabulky(const std::filesystem::path& soubor,
                                                TTabulka& tabulka,
                                                void (*nacti)(std::string_view, TTabulka&)) {
    tabulka.InicializujTabulku();
    std::string obsah;
    if (auto chyba = NactiObsahSouboru(soubor, obsah))
        return chyba;
    nacti(obsah, tabulka);
    return std::nullopt;
}

// Shows the error as the program's default error box; true when there was none.
bool OhlasChybu(const std::optional<TChybaSouboru>& chyba, TZpravy& zpravy);
