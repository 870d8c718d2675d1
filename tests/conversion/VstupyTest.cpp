// Inputs that are not measured data, UTF-8 inputs and files that name their instrument: what
// the user is told, and that an existing output is touched only by a real conversion.
#include "SlozkaTestu.h"
#include "ZaznamRozhrani.h"

#include "common/Cp1250.h"
#include "conversion/KonverzeSouboru.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kMereniVstupu = "STN 1,1.500\r\nSS 2,1.500\r\nSD 1.0000,90.0000,10.000\r\n";

struct TPripadVstupu {
    const char* Jmeno;
    std::string Vstup;
    TTypStanice Typ = TTypStanice::tsNTS660;
    const char* Vystup = "x.zap";
    TStavKonverze Stav = TStavKonverze::kvChyba;
    bool NicNeprevedeno = false;
    // The messages in order (UTF-8, "@" standing for the input's name).
    std::vector<std::pair<TDruhZpravy, std::string>> Zpravy = {};
    // The output afterwards: "stary" when it was left alone.
    std::string Obsah = "stary";
};

std::ostream& operator<<(std::ostream& os, const TPripadVstupu& p) {
    return os << p.Jmeno;
}

const std::string kNic = " Nic nebylo převedeno.";
const std::string kNts350 = "Do formátu MAPA2 lze převést jen data totální stanice NTS-660: nic "
                            "nebylo převedeno a výstupní soubor nebyl vytvořen ani změněn.";

const TPripadVstupu kVstupy[] = {
    {.Jmeno = "EmptyFile",
     .Vstup = "",
     .Zpravy = {{TDruhZpravy::dzChyba,
                 "Soubor \"@\" je prázdný; očekávají se naměřená data totální stanice." + kNic}}},
    {.Jmeno = "BinaryBytes",
     .Vstup = std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 15),
     .Vystup = "x.asc",
     .Zpravy = {{TDruhZpravy::dzChyba,
                 "Soubor \"@\" není textový soubor: řádek 2 obsahuje řídicí znak 1Ah. Očekávají "
                 "se naměřená data totální stanice (text)." +
                     kNic}}},
    {.Jmeno = "CoordinatesWithoutAPoint",
     .Vstup = "a,b,c\r\n1,2\r\n",
     .Vystup = "x.asc",
     .Zpravy = {{TDruhZpravy::dzChyba,
                 "Soubor \"@\" nemá ani jeden bod se dvěma číselnými souřadnicemi (číslo,Y,X,...); "
                 "soubor, jehož první řádek neobsahuje NTS, se převádí jako soubor souřadnic." +
                     kNic}}},
    {.Jmeno = "MeasuredDataWithoutTheInstrumentLine",
     .Vstup = kMereniVstupu,
     .Vystup = "x.asc",
     .Zpravy = {{TDruhZpravy::dzChyba,
                 "Soubor \"@\" vypadá jako naměřená data, kterým chybí první řádek s typem "
                 "přístroje (NTS-660): bez něj se převádí jako soubor souřadnic a žádný bod v "
                 "něm není." +
                     kNic}}},
    {.Jmeno = "MeasurementFileWithoutARecord",
     .Vstup = "NTS-660\r\nJOB X\r\n STN 1\r\n",
     .Zpravy = {{TDruhZpravy::dzChyba,
                 "Soubor \"@\" nemá ani jeden záznam stanoviska (STN) nebo měření (BS, FS, SS); "
                 "očekávají se naměřená data NTS-660." +
                     kNic}}},
    {.Jmeno = "Utf8CharacterOutsideTheCodePage",
     .Vstup = "NTS-660\r\nSTN 1,1.5,\xD0\x96\r\n",
     .Zpravy = {{TDruhZpravy::dzChyba,
                 "Soubor \"@\" je v kódování UTF-8 a řádek 2 obsahuje znak U+0416, který kódování "
                 "programu (cp1250, středoevropské) nemá. Očekávají se naměřená data totální "
                 "stanice (text)." +
                     kNic}}},
    {.Jmeno = "Utf8IsConvertedToTheCodePage",
     .Vstup = "\xEF\xBB\xBF"
              "1,2,3,4,k\xC3\xB3ta\r\n\x04\r\n",
     .Vystup = "x.asc",
     .Stav = TStavKonverze::kvHotovo,
     .Obsah = Cz("1 2 3 4 * kóta\r\n")},
    {.Jmeno = "CoordinatesBesideMeasurementLinesAreConvertedWithAWarning",
     .Vstup = "1,2,3\r\nSTN 1,1.5\r\n",
     .Vystup = "x.asc",
     .Stav = TStavKonverze::kvHotovo,
     .Zpravy = {{TDruhZpravy::dzVarovani,
                 "Soubor \"@\" se převádí jako soubor souřadnic (první řádek neobsahuje NTS), ale "
                 "má řádky STN, BS, FS nebo SS: vypadá jako naměřená data, kterým chybí první "
                 "řádek s typem přístroje. Tyto řádky se nepřevedou."}},
     .Obsah = "1 2 3 \r\n"},
    {.Jmeno = "Nts660FileWinsOverNts350",
     .Vstup = std::string("NTS-660\r\n") + kMereniVstupu,
     .Typ = TTypStanice::tsNTS350,
     .Stav = TStavKonverze::kvHotovo,
     .Zpravy = {{TDruhZpravy::dzInformace,
                 "Soubor \"@\" je podle prvního řádku z přístroje "
                 "NTS-660, zvolen je typ NTS-350; převádí se jako NTS-660."}},
     .Obsah = "9999\r\n999999999\r\n100001\r\n1\r\n3\r\n0\r\n2\r\n1 1 1.500\r\n-1\r\n"
              "2  10.000 1.500 1.0000 90.0000 * \r\n/\r\n-2\r\n"},
    {.Jmeno = "Nts350FileWinsOverNts660AndWritesNothing",
     .Vstup = std::string("NTS-350 X\r\n") + kMereniVstupu,
     .Stav = TStavKonverze::kvHotovo,
     .NicNeprevedeno = true,
     .Zpravy = {{TDruhZpravy::dzVarovani,
                 "Soubor \"@\" je podle prvního řádku z přístroje NTS-350 (zvolen je typ "
                 "NTS-660). " +
                     kNts350}}},
    {.Jmeno = "Nts350ChosenWritesNothing",
     .Vstup = kMereniVstupu,
     .Typ = TTypStanice::tsNTS350,
     .Stav = TStavKonverze::kvHotovo,
     .NicNeprevedeno = true,
     .Zpravy = {{TDruhZpravy::dzVarovani, kNts350}}},
};

class Vstupy : public TSlozkaTestu, public ::testing::WithParamInterface<TPripadVstupu> {};

} // namespace

TEST_P(Vstupy, AreRefusedOrConvertedAndTheOldOutputIsTouchedOnlyByAConversion) {
    const TPripadVstupu& p = GetParam();
    const fs::path vstup = slozka_ / "x.sdt";
    const fs::path vystup = slozka_ / p.Vystup;
    ZapisSoubor(vstup, p.Vstup);
    ZapisSoubor(vystup, "stary");
    TZaznamRozhrani r;
    r.Volby.HlavickaZDat = false;

    const TVysledekKonverze v = KonverzeSouboru(vstup, p.Typ, r);

    EXPECT_EQ(v.Stav, p.Stav);
    EXPECT_EQ(v.NicNeprevedeno, p.NicNeprevedeno);
    EXPECT_EQ(v.Zobrazit(), p.Stav == TStavKonverze::kvHotovo && !p.NicNeprevedeno);
    std::vector<std::pair<TDruhZpravy, std::string>> zpravy, ocekavane;
    for (const auto& z : r.zpravy)
        zpravy.emplace_back(z.Druh, Cp1250NaUtf8(z.Text));
    for (auto [druh, text] : p.Zpravy) {
        if (const auto at = text.find('@'); at != std::string::npos)
            text.replace(at, 1, vstup.string());
        ocekavane.emplace_back(druh, text);
    }
    EXPECT_EQ(zpravy, ocekavane);
    EXPECT_EQ(NactiSoubor(vystup), p.Obsah);
    if (p.Obsah == "stary") {
        EXPECT_TRUE(r.otazky.empty()) << "refused before the overwrite question";
        EXPECT_EQ(r.PocetParametru, 0);
        // Without an older output nothing appears either.
        fs::remove(vystup);
        TZaznamRozhrani r2;
        KonverzeSouboru(vstup, p.Typ, r2);
        EXPECT_FALSE(fs::exists(vystup));
    }
}

INSTANTIATE_TEST_SUITE_P(Pripady, Vstupy, ::testing::ValuesIn(kVstupy),
                         [](const auto& pripad) { return std::string(pripad.param.Jmeno); });

// An empty pipe or device is an empty input too.
TEST_F(TSlozkaTestu, EmptyDeviceIsAnEmptyInput) {
    if (!fs::is_character_file("/dev/null"))
        GTEST_SKIP() << "no /dev/null";
    TZaznamRozhrani r;
    TVystupDoRetezce proud;
    const auto v = KonverzeSouboru("/dev/null", TTypStanice::tsNTS660, r, TCilKonverze{{}, &proud});
    EXPECT_EQ(v.Stav, TStavKonverze::kvChyba);
    EXPECT_EQ(proud.Text(), "");
    ASSERT_EQ(r.zpravy.size(), 1u);
    EXPECT_NE(r.zpravy[0].Text.find(Cz("je prázdný")), std::string::npos);
}
