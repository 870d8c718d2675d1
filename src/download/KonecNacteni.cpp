#include "download/KonecNacteni.h"

#include "common/Cp1250.h"
#include "common/Radky.h"

TNalozeniNacteni NalozeniNacteni(TTypStanice typStanice, bool preruseno, const std::string& data) {
    if (data.empty())
        return TNalozeniNacteni::Zahodit;
    if (preruseno && !KonciUzivatel(typStanice))
        return TNalozeniNacteni::Zeptat;
    return TNalozeniNacteni::Zobrazit;
}

bool KonciUzivatel(TTypStanice typStanice) {
    return typStanice != TTypStanice::tsNTS660;
}

std::string TextNeuplnaData(std::size_t bajtu) {
    return Cz("Příjem dat byl přerušen dřív, než stanice poslala značku konce dat. Přijato ") +
           std::to_string(bajtu) +
           Cz(" B; data jsou zřejmě neúplná.\n\nChcete přijatá data přesto zobrazit?");
}

TTypStanice TypNactenychDat(TTypStanice typNacteni, const std::string& data) {
    const auto prvni = PrvniRadek(data);
    if (!prvni)
        return typNacteni;
    const std::string_view radek = prvni->Text;
    const std::string_view slovo = radek.substr(0, radek.find_first_of(" \t,"));
    return TypStaniceZTextu(std::string(slovo)).value_or(typNacteni);
}

std::string TextNelzePrevest(TTypStanice typ) {
    return Cz("Data totální stanice ") + TextTypuStanice(typ) +
           Cz(" nelze převést do formátu MAPA2 (převádějí se jen data stanice NTS-660); nic "
              "nebylo zapsáno. Data můžete uložit tlačítkem Ulož.");
}
