#include "download/NactenaDataSoubor.h"

#include "common/Radky.h"
#include "upload/SouborDat.h"

bool ZobrazitNactenaData(TMnozinaPrikazu typPrikazu, TTypStanice typStanice, bool preruseno) {
    return typPrikazu == PrikazNacteni && typStanice == TTypStanice::tsNTS660 && !preruseno;
}

std::string RadkyNactenychDat(const std::string& data) {
    const auto radky = RadkyTextu(data);
    std::string text;
    text.reserve(data.size());
    for (std::size_t i = 0; i < radky.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += radky[i];
    }
    return text;
}

bool UlozNactenaData(const std::filesystem::path& soubor, const std::string& data,
                     TZpravy& zpravy) {
    return OhlasChybu(ZapisObsahSouboru(soubor, data), zpravy);
}
