// The parameters a writer runs with: what the caller and the parameters step fixed for one
// conversion, and the constant parts of the MAPA2 layout.
#pragma once

#include "conversion/KonverzeRozhrani.h"

#include <filesystem>
#include <optional>
#include <string>

struct ParametryKonverze {
    std::filesystem::path VstupniSoubor;
    std::filesystem::path VystupniSoubor;
    TTypStanice TypStanice = TTypStanice::tsNTS660;
    std::optional<char> OznaceniOrientBodu = '#';
    bool ProhozeniXY = false;
    bool NestandardniJednotky = true;
    bool NestandardniVysky = true;
    bool HlavickaZDat = true;
    bool SouborSouradnic = false; // the coordinate variant: an .asc output
    long double MeritkovyFaktor = 1;
    std::string CelkovaRedukce;
    // The fixed block of every .zap file: the MAPA2 reader's file kind and settings.
    std::string PevnyBlok = "9999\r\n999999999\r\n100001\r\n1\r\n3\r\n0\r\n2\r\n";
    std::string HlavickaUzivatele;
    char Oddelovac = ' ';
};

// The parameters of a conversion from the caller's part and the parameters step.
ParametryKonverze SestavParametry(const std::filesystem::path& vstup,
                                  const std::filesystem::path& vystup, TTypStanice typStanice,
                                  bool souradnice, const TVolbyKonverze& volby);
