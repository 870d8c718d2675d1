// The device names serial ports have on Linux: the built-in ports ttyS0-3, USB adapters as
// ttyUSB* (converters) and ttyACM* (instruments and modems), each with a stable link in
// serial/by-id that udev names after the adapter.
#include "serial/SpDevices.h"
#include "serial/SpNazvyAdapteru.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <tuple>

namespace fs = std::filesystem;

std::string SpVychoziSlozkaZarizeni() {
    return "/dev";
}

std::string SpDefaultDevicePath(int number) {
    if (number >= 1 && number <= 4)
        return SpSlozkaZarizeni() + "/ttyS" + std::to_string(number - 1);
    return {};
}

std::string SpCestaKlice(const std::string& hodnota) {
    return hodnota;
}

std::vector<TSpAdapter> SpNajdiAdaptery() {
    // ttyUSB before ttyACM, each by number: one converter is COM5, as it always was.
    std::vector<std::tuple<bool, long, TSpAdapter>> nalezene;
    std::error_code chyba;
    for (const auto& polozka : fs::directory_iterator(SpSlozkaZarizeni(), chyba)) {
        // ttyUSB<n> and ttyACM<n>, as the kernel names converters and modems.
        const std::string nazev = polozka.path().filename().string();
        const std::string druh = nazev.substr(0, 6);
        const std::string cislo = nazev.size() > 6 ? nazev.substr(6) : std::string();
        if ((druh != "ttyUSB" && druh != "ttyACM") || cislo.empty() || cislo.size() > 6 ||
            !std::all_of(cislo.begin(), cislo.end(),
                         [](unsigned char c) { return std::isdigit(c); }))
            continue;
        TSpAdapter adapter;
        adapter.Zarizeni = polozka.path().string();
        nalezene.emplace_back(druh == "ttyACM", std::stol(cislo), adapter);
    }
    std::sort(nalezene.begin(), nalezene.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    const fs::path byId = fs::path(SpSlozkaZarizeni()) / "serial" / "by-id";
    std::vector<TSpAdapter> adaptery;
    for (auto& [acm, cislo, adapter] : nalezene) {
        const fs::path skutecne = fs::weakly_canonical(adapter.Zarizeni, chyba);
        // The first link (by name) that leads to the device: a device has one per interface.
        std::vector<fs::path> odkazy;
        for (const auto& odkaz : fs::directory_iterator(byId, chyba))
            if (fs::weakly_canonical(odkaz.path(), chyba) == skutecne)
                odkazy.push_back(odkaz.path());
        if (!odkazy.empty()) {
            const fs::path& odkaz = *std::min_element(odkazy.begin(), odkazy.end());
            adapter.Odkaz = odkaz.string();
            adapter.Nazev = SpNazevZOdkazu(odkaz.filename().string());
        }
        adaptery.push_back(adapter);
    }
    return adaptery;
}
