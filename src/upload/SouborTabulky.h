// Opening a point or code file (A_OtevriSoubor after the dialog): the table is reset first, so
// a file that cannot be read leaves one empty row; then `nacti` (NactiBody, NactiKody) fills it
// from the file's text (a UTF-8 file converted, one that is no text refused; see TextTabulky).
// Saving one is ZapisObsahSouboru of TextSouboruBodu / TextSouboruKodu.
#pragma once

#include "common/Cp1250.h"
#include "common/ObsahSouboru.h"
#include "common/RozpoznaniTextu.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A table file's bytes as the program's text, in place: UTF-8 converted, the end mark of a
// download dropped; the error when the file is no text.
inline std::optional<TChybaSouboru> TextTabulky(const std::filesystem::path& soubor,
                                                std::string& obsah) {
    if (const auto vada = PrevedNaCp1250(obsah, TKonecStahovani::ksVynechat))
        return TChybaSouboru{TDruhChybySouboru::dcCteni,
                             soubor,
                             {},
                             TextVadyTextu(soubor, *vada) + Cz(" Soubor nebyl načten.")};
    return std::nullopt;
}

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
