// Opening a point or code file (A_OtevriSoubor after the dialog): the table is reset first, so
// a file that cannot be read leaves one empty row; then `nacti` (NactiBody, NactiKody) fills it
// from the file's bytes. Saving one is ZapisObsahSouboru of TextSouboruBodu / TextSouboruKodu.
#pragma once

#include "common/ObsahSouboru.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

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
