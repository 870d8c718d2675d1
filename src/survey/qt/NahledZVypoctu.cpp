#include "survey/qt/NahledZVypoctu.h"

TFormNahledMereni::TVypocet VypocetNahledu(std::string obsah, std::filesystem::path soubor,
                                           QString nazev, TTypStanice typStanice) {
    return [obsah = std::move(obsah), soubor = std::move(soubor), nazev = std::move(nazev),
            typStanice](const TVolbyNahledu&) {
        (void)soubor;
        (void)typStanice;
        (void)obsah;
        TModelNahledu model;
        model.Nadpis = nazev;
        model.Vypocteno = false;
        model.Upozorneni << QString::fromUtf8("Výpočet souřadnic zatím není k dispozici.");
        return model;
    };
}
