// Reading and saving the whole content of a point or code file, with the messages the user
// sees when that fails. Saving goes through the program's one file replacement, so it never
// destroys the user's earlier file.
#pragma once

#include <filesystem>
#include <optional>
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

// The whole file as bytes (up to kNejdelsiVstup), or the error.
std::optional<TChybaSouboru> NactiObsahSouboru(const std::filesystem::path& soubor,
                                               std::string& obsah);

// Writes `obsah` as the file's new content. On any failure the old file stays as it was and
// the error says why.
std::optional<TChybaSouboru> ZapisObsahSouboru(const std::filesystem::path& soubor,
                                               const std::string& obsah);

// A table file's bytes as the program's text, in place: UTF-8 converted, the end mark of a
// download dropped; the error when the file is no text.
std::optional<TChybaSouboru> TextTabulky(const std::filesystem::path& soubor, std::string& obsah);

// Opening a point or code file (A_OtevriSoubor after the dialog): the table is reset first, so
// a file that cannot be read leaves one empty row; then `nacti` (NactiBody, NactiKody) fills it
// from the file's text (a UTF-8 file converted, one that is no text refused; see
// TextTabulky). Saving one is ZapisObsahSouboru of TextSouboruBodu / TextSouboruKodu.
template <class TTabulka>
std::optional<TChybaSouboru> NactiSouborTabulky(const std::filesystem::path& soubor,
                                                TTabulka& tabulka,
                                                void (*nacti)(std::string_view, TTabulka&)) {
    tabulka.InicializujTabulku();
    std::string obsah;
    if (auto chyba = NactiObsahSouboru(soubor, obsah))
        return chyba;
    if (auto chyba = TextTabulky(soubor, obsah))
        return chyba;
    nacti(obsah, tabulka);
    return std::nullopt;
}

// Shows the error as the program's default error box; true when there was none.
bool OhlasChybu(const std::optional<TChybaSouboru>& chyba, TZpravy& zpravy);
