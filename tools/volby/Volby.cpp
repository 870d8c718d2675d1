#include "Volby.h"

TVolba Prepinac(std::string nazev, bool& zapnuto) {
    return TVolba{std::move(nazev), {}, &zapnuto};
}

TVolba Hodnota(std::string nazev, std::optional<std::string>& cil) {
    return Hodnota(std::move(nazev), [&cil](const std::string& text) {
        cil = text;
        return true;
    });
}

TVolba Hodnota(std::string nazev, std::string& cil) {
    return Hodnota(std::move(nazev), [&cil](const std::string& text) {
        cil = text;
        return true;
    });
}

TVolba Hodnota(std::string nazev, std::function<bool(const std::string&)> prevezmi) {
    return TVolba{std::move(nazev), std::move(prevezmi), nullptr};
}

TRozborVoleb RozeberVolby(const std::vector<std::string>& argumenty,
                          const TPravidlaVoleb& pravidla) {
    auto chyba = [](TRozborVoleb::TStav stav, const std::string& argument) {
        return TRozborVoleb{stav, argument, {}, {}};
    };
    bool jenArgumenty = false;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& a = argumenty[i];
        if (jenArgumenty || a.size() < 2 || a[0] != '-') {
            if (!pravidla.Argument || !pravidla.Argument(a))
                return chyba(TRozborVoleb::rvNeznamy, a);
            continue;
        }
        if (a == "--" && pravidla.KonecVoleb) {
            jenArgumenty = true;
            continue;
        }
        if (a == "--help" || a == "-h")
            return chyba(TRozborVoleb::rvNapoveda, a);
        const TVolba* volba = nullptr;
        std::optional<std::string> hodnota;
        for (const TVolba& v : pravidla.Volby) {
            if (a == v.Nazev) {
                volba = &v;
                break;
            }
            if (v.Hodnota && a.size() > v.Nazev.size() &&
                a.compare(0, v.Nazev.size(), v.Nazev) == 0 && a[v.Nazev.size()] == '=') {
                volba = &v;
                hodnota = a.substr(v.Nazev.size() + 1);
                break;
            }
        }
        if (!volba)
            return chyba(TRozborVoleb::rvNeznamy, a);
        if (!volba->Hodnota) {
            *volba->Zapnuto = true;
            continue;
        }
        if (!hodnota) {
            if (i + 1 >= argumenty.size())
                return chyba(TRozborVoleb::rvChybiHodnota, a);
            hodnota = argumenty[++i];
        }
        if (!volba->Hodnota(*hodnota))
            return TRozborVoleb{TRozborVoleb::rvChybnaHodnota, a, volba->Nazev, *hodnota};
    }
    return {};
}
