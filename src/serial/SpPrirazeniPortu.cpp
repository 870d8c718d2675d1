#include "serial/SpPrirazeniPortu.h"

#include <algorithm>

TSpPrirazeni SpPriradPorty(int count, const std::function<std::string(int)>& klic,
                           const std::function<std::string(int)>& vlastni,
                           const std::vector<TSpAdapter>& adaptery) {
    TSpPrirazeni vysledek;
    for (int n = 1; n <= count; ++n) {
        TSpPopisPortu port;
        port.Cislo = n;
        port.Zarizeni = klic(n);
        if (port.Zarizeni.empty())
            port.Zarizeni = vlastni(n);
        port.Skutecne = port.Zarizeni;
        vysledek.Porty.push_back(port);
    }
    std::vector<const TSpAdapter*> volne;
    for (const TSpAdapter& adapter : adaptery) {
        bool nazvan = false; // by a key, or as the system's own device for a number
        for (TSpPopisPortu& port : vysledek.Porty)
            if (!port.Zarizeni.empty() &&
                (port.Zarizeni == adapter.Zarizeni ||
                 (!adapter.Odkaz.empty() && port.Zarizeni == adapter.Odkaz))) {
                port.Skutecne = adapter.Zarizeni;
                port.Nazev = adapter.Nazev;
                nazvan = true;
            }
        if (!nazvan)
            volne.push_back(&adapter);
    }
    auto adapter = volne.begin();
    for (TSpPopisPortu& port : vysledek.Porty) {
        if (adapter == volne.end())
            break;
        if (!port.Zarizeni.empty())
            continue;
        const TSpAdapter& a = **adapter++;
        port.Zarizeni = a.Odkaz.empty() ? a.Zarizeni : a.Odkaz;
        port.Skutecne = a.Zarizeni;
        port.Nazev = a.Nazev;
        if (!a.Odkaz.empty())
            vysledek.Zapamatovat.emplace_back(port.Cislo, a.Odkaz);
    }
    return vysledek;
}
