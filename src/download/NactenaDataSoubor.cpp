#include "download/NactenaDataSoubor.h"

#include "upload/SouborDat.h"

bool ZobrazitNactenaData(TMnozinaPrikazu typPrikazu, TTypStanice typStanice, bool preruseno) {
    return typPrikazu == PrikazNacteni && typStanice == TTypStanice::tsNTS660 && !preruseno;
}

std::string RadkyNactenychDat(const std::string& data) {
    std::string radky;
    radky.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c == '\r') {
            if (i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
            radky += '\n';
        } else {
            radky += c;
        }
    }
    if (!radky.empty() && radky.back() == '\n')
        radky.pop_back();
    return radky;
}

bool UlozNactenaData(const std::filesystem::path& soubor, const std::string& data,
                     TZpravy& zpravy) {
    return OhlasChybu(ZapisObsahSouboru(soubor, data), zpravy);
}
