#include "download/NactenaDataSoubor.h"

#include "common/NahradaSouboru.h"
#include "common/ObsahSouboru.h"
#include "common/Radky.h"

#include <algorithm>
#include <ctime>

std::string RadkyNactenychDat(const std::string& data) {
    const auto radky = RadkyTextu(data);
    std::string text;
    text.reserve(data.size());
    for (std::size_t i = 0; i < radky.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += radky[i];
    }
    // A control character is drawn as an empty box, which looks like damaged data: none is
    // shown, and the end mark's line, which holds nothing else, is not shown at all.
    const auto ridici = [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n';
    };
    const std::size_t posledni = text.rfind('\n') + 1; // 0 when there is one line
    if (posledni < text.size() && std::all_of(text.begin() + long(posledni), text.end(), ridici))
        text.erase(posledni == 0 ? 0 : posledni - 1);
    std::erase_if(text, ridici);
    return text;
}

bool UlozNactenaData(const std::filesystem::path& soubor, const std::string& data,
                     TZpravy& zpravy) {
    return OhlasChybu(ZapisObsahSouboru(soubor, data), zpravy);
}

std::filesystem::path ZachranNactenaData(const std::string& data,
                                         const std::vector<std::filesystem::path>& slozky) {
    const std::time_t ted = std::time(nullptr);
    char cas[32] = "";
    if (const std::tm* t = std::localtime(&ted))
        std::strftime(cas, sizeof cas, "%Y%m%d-%H%M%S", t);
    for (const auto& slozka : slozky) {
        std::error_code ec;
        if (slozka.empty() || !std::filesystem::is_directory(slozka, ec))
            continue;
        for (int i = 1; i < 100; ++i) {
            std::string jmeno = std::string("merivox-data-") + cas;
            if (i > 1)
                jmeno += "-" + std::to_string(i);
            const auto soubor = slozka / (jmeno + ".sdt");
            if (std::filesystem::exists(std::filesystem::symlink_status(soubor, ec)))
                continue;
            if (!NahradSoubor(soubor, data))
                return soubor;
            break; // this folder takes nothing: the next one
        }
    }
    return {};
}
