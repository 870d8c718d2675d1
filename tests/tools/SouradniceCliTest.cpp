// merivox-cli coords: what it writes, what it leaves out and says, and its exit statuses.
#include "SlozkaTestu.h"

#include "Cli.h"

#include "survey/CteniSouradnic.h"
#include "upload/SouborBodu.h"

#include <gtest/gtest.h>

namespace {

const char* const kMereni = "NTS-660\r\n"
                            "STN 1,1.5\r\n"
                            "XYZ 700000.000,1000000.000,300.000\r\n"
                            "BS 2,1.6\r\n"
                            "SD 10.0000,100.0000,141.421\r\n"
                            "SS 3,1.7,K1\r\n"
                            "SD 60.0000,95.0000,50.000\r\n"
                            "SS 4,1.7,PLOT\r\n"
                            "SD 160.0000,105.0000,20.000\r\n"
                            "SS 5,1.7\r\n"
                            "HV 60.0000,95.0000\r\n"
                            "STN 50,1.4\r\n"
                            "SS 51,1.3\r\n"
                            "SD 100.0000,100.0000,10.000\r\n";

class SouradniceCli : public TSlozkaTestu {
protected:
    struct TBeh {
        int Status;
        std::string Chyby;
    };
    TBeh Spust(const std::string& mereni, TArgumenty volby) {
        ZapisSoubor(slozka_ / "a.sdt", mereni);
        ZapisSoubor(slozka_ / "zname.asc", "2,700100.000,1000100.000,301.000\r\n");
        TArgumenty a{"coords", (slozka_ / "a.sdt").string(), "--settings",
                     (slozka_ / "Merivex.ini").string()};
        a.insert(a.end(), volby.begin(), volby.end());
        std::ostringstream vystup, chyby;
        const int status = SpustCli(a, TTerminal{vystup, chyby, true});
        return {status, chyby.str()};
    }
    std::string Vystup() const { return (slozka_ / "body.asc").string(); }
    std::string Zname() const { return (slozka_ / "zname.asc").string(); }
};

// The output loads into the point window with the same numbers, and codes with the reader's
// leading blank; the coordinate list reads it back unchanged.
TEST_F(SouradniceCli, WritesWhatThePointWindowReadsBack) {
    const TBeh beh = Spust(kMereni, {"--known", Zname(), "-o", Vystup(), "--factor", "1"});
    EXPECT_EQ(beh.Status, kUspech) << beh.Chyby;
    const std::string obsah = NactiSoubor(Vystup());
    EXPECT_EQ(obsah, "3,700049.846,1000000.000,303.723,* K1\r\n"
                     "4,700000.000,999980.062,298.231,* PLOT\r\n");
    TTabulkaBodu tabulka;
    NactiBody(obsah, tabulka);
    ASSERT_EQ(tabulka.PocetRadku(), 2);
    EXPECT_EQ(tabulka.Radek(1),
              (TTabulkaTextu::TRadek{"3", "700049.846", "1000000.000", "303.723", " K1"}));
    EXPECT_EQ(tabulka.Radek(2),
              (TTabulkaTextu::TRadek{"4", "700000.000", "999980.062", "298.231", " PLOT"}));
    const TCteniSouradnic cteni = CtiSouradnice(obsah, false);
    ASSERT_EQ(cteni.Body.size(), 2u);
    EXPECT_EQ(cteni.Body[1].Kod, "PLOT");
    EXPECT_DOUBLE_EQ(cteni.Body[1].X.Hodnota, 999980.062);
    // Left out, and named.
    EXPECT_NE(beh.Chyby.find("stanoviska: 1, 50"), std::string::npos) << beh.Chyby;
    EXPECT_NE(beh.Chyby.find("místní body (stanovisko bez souřadnic): 51"), std::string::npos);
    EXPECT_NE(beh.Chyby.find("jen se směrem: 5"), std::string::npos);
}

TEST_F(SouradniceCli, ExitStatuses) {
    const struct {
        const char* Nazev;
        const char* Mereni;
        bool SVystupem;
        bool VystupJeVstup;
        int Status;
        const char* Chyba;
    } kPripady[] = {
        {"unoriented", "NTS-660\r\nSTN 1,1.5\r\nXYZ 1,2,3\r\nSS 2,1\r\nSD 1,100,10\r\n", true,
         false, kUspech, "neorientovaná stanoviska (body v natočení přístroje): 1"},
        {"nts350", "NTS-350\r\nSTN 1\r\n", true, false, kNicNeprevedeno, "NTS-350"},
        {"coordinates", "1,2,3,4\r\n", true, false, kSelhani, "Nejsou to naměřená data"},
        {"units", "NTS-660\r\nUNITS F,D\r\nSTN 1\r\n", true, false, kSelhani, "jednotky"},
        {"no_output", kMereni, false, false, kSpatnePouziti, "Chybí výstupní soubor (-o)."},
        {"output_is_known_file", kMereni, true, true, kSelhani, "je vstupní soubor"},
    };
    for (const auto& p : kPripady) {
        TArgumenty volby{"--known", Zname()};
        if (p.SVystupem)
            volby.insert(volby.end(), {"-o", p.VystupJeVstup ? Zname() : Vystup()});
        const TBeh beh = Spust(p.Mereni, volby);
        EXPECT_EQ(beh.Status, p.Status) << p.Nazev << ": " << beh.Chyby;
        EXPECT_NE(beh.Chyby.find(p.Chyba), std::string::npos) << p.Nazev << ": " << beh.Chyby;
        EXPECT_EQ(std::filesystem::exists(Vystup()), p.Status == kUspech) << p.Nazev;
        EXPECT_EQ(NactiSoubor(Zname()), "2,700100.000,1000100.000,301.000\r\n") << p.Nazev;
        std::filesystem::remove(Vystup());
    }
}

} // namespace
