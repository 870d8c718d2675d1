#include "conversion/ParametryKonverze.h"

ParametryKonverze SestavParametry(const std::filesystem::path& vstup,
                                  const std::filesystem::path& vystup, TTypStanice typStanice,
                                  bool souradnice, const TVolbyKonverze& volby) {
    ParametryKonverze p;
    p.VstupniSoubor = vstup;
    p.VystupniSoubor = vystup;
    p.TypStanice = typStanice;
    p.OznaceniOrientBodu = volby.OznaceniOrientBodu;
    p.ProhozeniXY = volby.ProhozeniXY;
    p.NestandardniJednotky = volby.NestandardniJednotky;
    p.NestandardniVysky = volby.NestandardniVysky;
    p.HlavickaZDat = volby.HlavickaZDat;
    p.SouborSouradnic = souradnice;
    p.MeritkovyFaktor = volby.MeritkovyFaktor;
    p.CelkovaRedukce = volby.CelkovaRedukce;
    p.HlavickaUzivatele = volby.HlavickaUzivatele;
    return p;
}
