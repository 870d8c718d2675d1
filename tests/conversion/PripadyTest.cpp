// The hand-worked cases of tests/data/konverze through the whole entry operation.
#include "JmenoPripadu.h"
#include "SlozkaTestu.h"
#include "ZaznamRozhrani.h"

#include "common/Cp1250.h"
#include "conversion/KonverzeSouboru.h"

#include <gmock/gmock.h>

namespace {

struct TPripad {
    const char* Vstup;
    const char* Ocekavany;
    TTypStanice Typ = TTypStanice::tsNTS660;
    long double Faktor = 1;
    std::optional<char> Znak = '#';
    bool Hlavicka = true;
    bool Prohozeni = false;
    std::vector<std::size_t> Poskozene = {};
    std::vector<std::string> Zpravy = {}; // UTF-8
};

std::ostream& operator<<(std::ostream& os, const TPripad& p) {
    return os << p.Ocekavany;
}

const TPripad kPripady[] = {
    {.Vstup = "01-klicova-slova.sdt", .Ocekavany = "01-klicova-slova.zap"},
    {.Vstup = "02-predvidani.sdt", .Ocekavany = "02-predvidani.zap", .Hlavicka = false},
    {.Vstup = "03-poskozena.sdt",
     .Ocekavany = "03-poskozena.zap",
     .Poskozene = {3, 5, 7, 9, 11, 13, 15, 17}},
    {.Vstup = "04-dve-data.sdt", .Ocekavany = "04-dve-data.zap"},
    {.Vstup = "05-bez-stanice.sdt", .Ocekavany = "05-bez-stanice.zap"},
    {.Vstup = "06-xyz.sdt", .Ocekavany = "06-xyz.zap", .Hlavicka = false},
    {.Vstup = "07-orientace.sdt", .Ocekavany = "07-orientace-krizek.zap", .Hlavicka = false},
    {.Vstup = "07-orientace.sdt",
     .Ocekavany = "07-orientace-plus.zap",
     .Znak = '+',
     .Hlavicka = false},
    {.Vstup = "07-orientace.sdt",
     .Ocekavany = "07-orientace-bez-znaku.zap",
     .Znak = std::nullopt,
     .Hlavicka = false},
    {.Vstup = "08-souradnice.sdt", .Ocekavany = "08-souradnice.asc"},
    {.Vstup = "08-souradnice.sdt", .Ocekavany = "08-souradnice-prohozene.asc", .Prohozeni = true},
    {.Vstup = "09-redukce.sdt", .Ocekavany = "09-redukce.zap", .Faktor = 0.9999471L},
    {.Vstup = "10-opravy.sdt", .Ocekavany = "10-opravy.zap", .Hlavicka = false},
    // The file's first line names the NTS-660, which wins over the chosen NTS-350.
    {.Vstup = "10-opravy.sdt",
     .Ocekavany = "10-opravy.zap",
     .Typ = TTypStanice::tsNTS350,
     .Hlavicka = false,
     .Zpravy = {"Soubor \"@\" je podle prvního řádku z přístroje NTS-660, zvolen je typ "
                "NTS-350; převádí se jako NTS-660."}},
    {.Vstup = "11-varovani.sdt",
     .Ocekavany = "11-varovani.zap",
     .Hlavicka = false,
     .Zpravy = {"Použity nestandardní jednotky!!\r\nŘádek 4-Použita nestandardní výška!!\r\n"
                "Řádek 6-Použita nestandardní výška!!\r\n"}},
};

class Pripady : public TSlozkaTestu, public ::testing::WithParamInterface<TPripad> {};

} // namespace

TEST_P(Pripady, OutputMatchesTheHandWorkedFileByteForByte) {
    const TPripad& p = GetParam();
    const auto vstup = Kopie(p.Vstup);
    TZaznamRozhrani rozhrani;
    rozhrani.Volby.MeritkovyFaktor = p.Faktor;
    rozhrani.Volby.OznaceniOrientBodu = p.Znak;
    rozhrani.Volby.HlavickaZDat = p.Hlavicka;
    rozhrani.Volby.ProhozeniXY = p.Prohozeni;

    const TVysledekKonverze v = KonverzeSouboru(vstup, p.Typ, rozhrani);

    ASSERT_EQ(v.Stav, TStavKonverze::kvHotovo);
    EXPECT_TRUE(v.Zobrazit());
    EXPECT_EQ(v.VystupniSoubor.extension(), std::filesystem::path(p.Ocekavany).extension());
    EXPECT_EQ(NactiSoubor(v.VystupniSoubor), NactiSoubor(DataKonverze(p.Ocekavany)));
    EXPECT_EQ(rozhrani.PoskozeneRadky, p.Poskozene);
    std::vector<std::string> ocekavane;
    for (std::size_t i = 0; i < p.Poskozene.size(); ++i)
        ocekavane.push_back(Cz("Načtená data jsou poškozena!!"));
    for (std::string z : p.Zpravy) {
        if (const auto at = z.find('@'); at != std::string::npos)
            z.replace(at, 1, vstup.string());
        ocekavane.push_back(Cz(z.c_str()));
    }
    std::vector<std::string> zpravy;
    for (const auto& z : rozhrani.zpravy) {
        EXPECT_EQ(z.Druh, p.Typ == TTypStanice::tsNTS660 ? TDruhZpravy::dzVarovani
                                                         : TDruhZpravy::dzInformace)
            << Cp1250NaUtf8(z.Text);
        zpravy.push_back(z.Text);
    }
    EXPECT_EQ(zpravy, ocekavane);
    EXPECT_TRUE(rozhrani.otazky.empty());
    // The input and the output, no temporary file beside them.
    EXPECT_THAT(Soubory(),
                ::testing::UnorderedElementsAre(p.Vstup, v.VystupniSoubor.filename().string()));
}

// Each case is named after its expected file (and the station chosen, where it is not NTS-660).
INSTANTIATE_TEST_SUITE_P(RucneSpocitane, Pripady, ::testing::ValuesIn(kPripady),
                         [](const ::testing::TestParamInfo<TPripad>& radek) {
                             return JmenoPripadu(radek.param.Ocekavany) +
                                    (radek.param.Typ == TTypStanice::tsNTS350 ? "_NTS350" : "");
                         });

// Without both warnings the pre-scan stays silent; with one of them only its kind is told.
struct TVarovani {
    const char* Jmeno;
    bool Jednotky;
    bool Vysky;
    const char* Text; // UTF-8; empty: no message
};

class Varovani : public TSlozkaTestu, public ::testing::WithParamInterface<TVarovani> {};

TEST_P(Varovani, FollowTheirSwitches) {
    const TVarovani& p = GetParam();
    TZaznamRozhrani rozhrani;
    rozhrani.Volby.NestandardniJednotky = p.Jednotky;
    rozhrani.Volby.NestandardniVysky = p.Vysky;
    ASSERT_EQ(KonverzeSouboru(Kopie("11-varovani.sdt"), TTypStanice::tsNTS660, rozhrani).Stav,
              TStavKonverze::kvHotovo);
    if (*p.Text == '\0') {
        EXPECT_TRUE(rozhrani.zpravy.empty());
    } else {
        ASSERT_EQ(rozhrani.zpravy.size(), 1u);
        EXPECT_EQ(rozhrani.zpravy[0].Text, Cz(p.Text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Predbezne, Varovani,
    ::testing::Values(TVarovani{"Zadna", false, false, ""},
                      TVarovani{"Jednotky", true, false, "Použity nestandardní jednotky!!\r\n"},
                      TVarovani{"Vysky", false, true,
                                "Řádek 4-Použita nestandardní výška!!\r\nŘádek 6-Použita "
                                "nestandardní výška!!\r\n"}),
    [](const ::testing::TestParamInfo<TVarovani>& radek) {
        return std::string(radek.param.Jmeno);
    });
