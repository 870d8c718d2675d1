// The hand-worked cases of tests/data/konverze through the whole entry operation.
#include "Soubory.h"
#include "ZaznamRozhrani.h"

#include "common/Cp1250.h"
#include "conversion/KonverzeSouboru.h"

#include <gtest/gtest.h>

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

    ASSERT_EQ(v.Stav, TStavKonverze::Hotovo);
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
    for (const auto& z : rozhrani.Zpravy_) {
        EXPECT_EQ(z.Druh,
                  p.Typ == TTypStanice::tsNTS660 ? TDruhZpravy::Varovani : TDruhZpravy::Informace)
            << Cp1250NaUtf8(z.Text);
        zpravy.push_back(z.Text);
    }
    EXPECT_EQ(zpravy, ocekavane);
    EXPECT_TRUE(rozhrani.Otazky.empty());
    EXPECT_FALSE(std::filesystem::exists(v.VystupniSoubor.string() + ".tmp"));
}

INSTANTIATE_TEST_SUITE_P(RucneSpocitane, Pripady, ::testing::ValuesIn(kPripady));

// Without both warnings the pre-scan stays silent; with one of them only its kind is told.
TEST_F(TSlozkaTestu, WarningsFollowTheirSwitches) {
    const auto vstup = Kopie("11-varovani.sdt");
    for (auto [jednotky, vysky, text] :
         {std::tuple{false, false, ""},
          std::tuple{true, false, "Použity nestandardní jednotky!!\r\n"},
          std::tuple{false, true,
                     "Řádek 4-Použita nestandardní výška!!\r\nŘádek 6-Použita nestandardní "
                     "výška!!\r\n"}}) {
        TZaznamRozhrani rozhrani;
        rozhrani.Volby.NestandardniJednotky = jednotky;
        rozhrani.Volby.NestandardniVysky = vysky;
        ASSERT_EQ(KonverzeSouboru(vstup, TTypStanice::tsNTS660, rozhrani).Stav,
                  TStavKonverze::Hotovo);
        if (*text == '\0') {
            EXPECT_TRUE(rozhrani.Zpravy_.empty());
        } else {
            ASSERT_EQ(rozhrani.Zpravy_.size(), 1u);
            EXPECT_EQ(rozhrani.Zpravy_[0].Text, Cz(text));
        }
        std::filesystem::remove(slozka_ / "11-varovani.zap");
    }
}
