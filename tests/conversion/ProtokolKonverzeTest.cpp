// The conversion protocol: every item of one measurement file and one coordinate file.
#include "SlozkaTestu.h"

#include "common/Cp1250.h"
#include "conversion/ProtokolKonverze.h"

#include <chrono>

namespace fs = std::filesystem;

class ProtokolKonverzeTest : public TSlozkaTestu {
protected:
    std::string Protokol(const std::string& vstup, TZadaniProtokolu z) {
        z.Vstup = slozka_ / "a.sdt";
        z.Vystup = slozka_ / "a.zap";
        ZapisSoubor(z.Vstup, vstup);
        ZapisSoubor(z.Vystup, "12345");
        using namespace std::chrono;
        // 9 December 2026, 15:04:05 UTC
        fs::last_write_time(z.Vstup,
                            file_clock::from_sys(sys_days{2026y / 12 / 9} + 15h + 4min + 5s));
        return Cp1250NaUtf8(ProtokolKonverze(z));
    }
    std::string Cesta(const char* jmeno) { return (slozka_ / jmeno).string(); }
};

TEST_F(ProtokolKonverzeTest, NamesInputReductionCountsWarningsAndOutput) {
    TZadaniProtokolu z;
    z.Volby.MeritkovyFaktor = 0.9999471L;
    z.ZakriveniARefrakce = true;
    const std::string p = Protokol("NTS-660\r\nJOB ULICE\r\nDATE 12.05.2003\r\nSTN 1,5.5\r\n"
                                   "SS\r\nSD 1,90,10\r\nSS 2,1.5\r\nSD 1,90,10\r\n",
                                   z);
    EXPECT_EQ(p, "Protokol konverze do formátu MAPA2\r\n"
                 "Vstupní soubor: " +
                     Cesta("a.sdt") +
                     "\r\n"
                     "Poslední změna vstupu: 09.12.2026 15:04:05 UTC\r\n"
                     "Přístroj: NTS-660\r\n"
                     "Druh dat: měření\r\n"
                     "Hlavička z dat: Zakázka: ULICE  Datum: 12.05.2003  Přístroj: NTS-660  \r\n"
                     "Průměrná souřadnice X: 1001000 m\r\n"
                     "Průměrná souřadnice Y: 680000 m\r\n"
                     "Průměrná nadmořská výška: 320 m\r\n"
                     "Redukce zobrazení S-JTSK: -2.8 mm/km\r\n"
                     "Redukce na nulový horizont: -50.2 mm/km\r\n"
                     "Celková redukce délek: -52.9 mm/km\r\n"
                     "Měřítkový faktor: 0.9999471\r\n"
                     "Oprava ze zakřivení Země a refrakce: ano (k = 0.13, R = 6381 km)\r\n"
                     "Stanoviska: 1\r\n"
                     "Měření: 1\r\n"
                     "Poškozená měření: 1 (řádky počítané od 1: 5)\r\n"
                     "Varování: 1 (jak je program ukázal; řádky v nich počítané od 0)\r\n"
                     "  \"Řádek 3-Použita nestandardní výška!!\"\r\n"
                     "Výstupní soubor: " +
                     Cesta("a.zap") +
                     "\r\n"
                     "Velikost výstupního souboru: 5 B\r\n");
}

TEST_F(ProtokolKonverzeTest, CoordinatesNeedNoFactorAndNts350IsNotConverted) {
    TZadaniProtokolu z;
    z.Volby.MeritkovyFaktor = 1;
    z.Volby.ProhozeniXY = true;
    const std::string p = Protokol("1,2,3,4\r\n5\r\n6,7\r\n", z);
    EXPECT_NE(p.find("Druh dat: souřadnice\r\nProhození souřadnic X a Y: ano\r\n"
                     "Měřítkový faktor: u souřadnic se nepoužije\r\nBody: 2\r\n"),
              std::string::npos)
        << p;
    const std::string p350 = Protokol("NTS-350\r\nSTN 1\r\n", z);
    EXPECT_NE(p350.find("Přístroj: NTS-350\r\n"), std::string::npos) << p350;
    EXPECT_EQ(p350.find("Stanoviska"), std::string::npos) << p350;
    EXPECT_EQ(JmenoProtokolu("/d/a.zap"), fs::path("/d/a-protokol.txt"));
}
