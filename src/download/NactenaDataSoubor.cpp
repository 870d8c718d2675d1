#include "download/NactenaDataSoubor.h"

#include "upload/SouborDat.h"

#include <algorithm>

bool ZobrazitNactenaData(TMnozinaPrikazu typPrikazu, uint8_t typStanice, bool preruseno) {
    return typPrikazu == PrikazNacteni && typStanice == StaniceNTS660 && !preruseno;
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
    // A control character is drawn as an empty box, which looks like damaged data: none is
    // shown, and the end mark's line, which holds nothing else, is not shown at all.
    const auto ridici = [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n';
    };
    const std::size_t posledni = radky.rfind('\n') + 1; // 0 when there is one line
    if (posledni < radky.size() && std::all_of(radky.begin() + long(posledni), radky.end(), ridici))
        radky.erase(posledni == 0 ? 0 : posledni - 1);
    std::erase_if(radky, ridici);
    return radky;
}

bool UlozNactenaData(const std::filesystem::path& soubor, const std::string& data,
                     TZpravy& zpravy) {
    return OhlasChybu(ZapisObsahSouboru(soubor, data), zpravy);
}
