#include "SlozkaTestu.h"

#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "common/NahradaSouboru.h"
#include "conversion/KontrolaParametru.h"
#include "conversion/NastaveniMAPA2.h"
#include "conversion/VypocetRedukci.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

class NastaveniMAPA2 : public TSlozkaTestu {};

TEST_F(NastaveniMAPA2, NoFileGivesTheDialogsDefaults) {
    const TNastaveniMAPA2 n = NactiNastaveniMAPA2(TIniFile(slozka_ / "Merivex.ini"));
    EXPECT_EQ(n.SouradniceX, "1001000");
    EXPECT_EQ(n.SouradniceY, "680000");
    EXPECT_EQ(n.Vyska, "320");
    EXPECT_TRUE(n.HlavickaZDat);
    EXPECT_FALSE(n.HlavickaUzivatel);
    EXPECT_EQ(n.TextHlavicky, "");
    EXPECT_TRUE(n.ZobrazitSoubor);
    EXPECT_EQ(n.ZnakOrientace, "#");
    EXPECT_TRUE(n.NestandardniVysky);
    EXPECT_TRUE(n.NestandardniJednotky);
    EXPECT_FALSE(n.ProhozeniXY);
}

TEST_F(NastaveniMAPA2, WritesAllElevenKeysInTableOrderAndReadsThemBack) {
    TIniFile ini(slozka_ / "Merivex.ini");
    TNastaveniMAPA2 n;
    n.SouradniceX = "1050000";
    n.HlavickaZDat = false;
    n.HlavickaUzivatel = true;
    n.TextHlavicky = "Moje";
    n.ZnakOrientace = "+";
    n.ProhozeniXY = true;
    ZapisNastaveniMAPA2(ini, n);
    EXPECT_EQ(NactiSoubor(ini.Path()),
              "[S-JTSK]\r\nCoordinate X=1050000\r\nCoordinate Y=680000\r\nAltitude=320\r\n"
              "[HEAD]\r\nHead of data=0\r\nHead from user=1\r\nString from user=Moje\r\n"
              "[OTHER]\r\nShow file=1\r\nChar for dot=+\r\nNestandard heighs=1\r\n"
              "Nestandard units=1\r\nChange XY=1\r\n");
    const TNastaveniMAPA2 zpet = NactiNastaveniMAPA2(ini);
    EXPECT_EQ(zpet.SouradniceX, "1050000");
    EXPECT_FALSE(zpet.HlavickaZDat);
    EXPECT_TRUE(zpet.HlavickaUzivatel);
    EXPECT_EQ(zpet.TextHlavicky, "Moje");
    EXPECT_EQ(zpet.ZnakOrientace, "+");
    EXPECT_TRUE(zpet.ProhozeniXY);
}

// The save is one replacement of the file, and leaves the very bytes that eleven writes of one
// key each left, whatever stood in the file before.
struct TPredchoziSoubor {
    const char* nazev;
    const char* obsah; // nullptr: no file
};

class UlozeniMAPA2 : public TSlozkaTestu, public ::testing::WithParamInterface<TPredchoziSoubor> {};

TEST_P(UlozeniMAPA2, OneReplacementGivesTheBytesOfElevenWrites) {
    TNastaveniMAPA2 n;
    n.SouradniceY = "700000";
    n.HlavickaUzivatel = true;
    n.TextHlavicky = "Zak\xE1zka";
    n.ProhozeniXY = true;
    const auto priprav = [&](const char* jmeno) {
        const auto cesta = slozka_ / jmeno;
        if (GetParam().obsah)
            ZapisSoubor(cesta, GetParam().obsah);
        return TIniFile(cesta);
    };
    TIniFile postupne = priprav("postupne.ini");
    const auto b = [](bool v) {
        return std::string(v ? "1" : "0");
    };
    for (const auto& [sekce, klic, hodnota] : std::vector<std::array<std::string, 3>>{
             {"S-JTSK", "Coordinate X", n.SouradniceX},
             {"S-JTSK", "Coordinate Y", n.SouradniceY},
             {"S-JTSK", "Altitude", n.Vyska},
             {"HEAD", "Head of data", b(n.HlavickaZDat)},
             {"HEAD", "Head from user", b(n.HlavickaUzivatel)},
             {"HEAD", "String from user", n.TextHlavicky},
             {"OTHER", "Show file", b(n.ZobrazitSoubor)},
             {"OTHER", "Char for dot", n.ZnakOrientace},
             {"OTHER", "Nestandard heighs", b(n.NestandardniVysky)},
             {"OTHER", "Nestandard units", b(n.NestandardniJednotky)},
             {"OTHER", "Change XY", b(n.ProhozeniXY)}})
        postupne.WriteString(sekce, klic, hodnota);

    TIniFile najednou = priprav("najednou.ini");
    int zapisu = 0; // blocks handed to the disk; a replacement writes at least one
    NastavPoruchuDisku([&](std::string_view) {
        ++zapisu;
        return std::error_code();
    });
    ZapisNastaveniMAPA2(najednou, n);
    NastavPoruchuDisku({});
    EXPECT_EQ(zapisu, 1);
    EXPECT_EQ(NactiSoubor(najednou.Path()), NactiSoubor(postupne.Path()));
}

INSTANTIATE_TEST_SUITE_P(
    PredchoziSoubor, UlozeniMAPA2,
    ::testing::Values(TPredchoziSoubor{"NoFile", nullptr}, TPredchoziSoubor{"Empty", ""},
                      TPredchoziSoubor{"OtherSectionsOnly",
                                       "[Port]\r\nNumber=3\r\n\r\n[Station]\r\nType=NTS-660\r\n"},
                      // Keys in another case and order, blank lines inside a section, a section
                      // twice, lone LF line ends and a last line without an end.
                      TPredchoziSoubor{
                          "MixedExistingKeys",
                          "[other]\r\nchange xy=0\r\n\r\nSHOW FILE=0\r\n[S-JTSK]\nAltitude=100\n"
                          "[HEAD]\r\n[S-JTSK]\r\nCoordinate X=1\r\n[Port]\r\nNumber=2"}),
    [](const ::testing::TestParamInfo<TPredchoziSoubor>& pripad) { return pripad.param.nazev; });

TEST(VypocetRedukci, ShownAsTheDialogShowsThem) {
    const TRedukce r = VypocetRedukci("1001000", "680000", "320");
    EXPECT_EQ(TextRedukce(r.JTSK, ','), "-2,8 mm/km");
    EXPECT_EQ(TextRedukce(r.Horizont, ','), "-50,2 mm/km");
    EXPECT_EQ(TextRedukce(r.Celkem, ','), "-52,9 mm/km");
    EXPECT_EQ(TextFaktoru(r.Faktor, ','), "0,9999471");
    EXPECT_EQ(TextFaktoru(r.Faktor, '.'), "0.9999471");
    const TRedukce mimo = VypocetRedukci("800000", "680000", "0");
    EXPECT_EQ(TextRedukce(mimo.JTSK, ','), "0,0 mm/km");
    EXPECT_EQ(TextRedukce(mimo.Horizont, ','), "0,0 mm/km");
    const TRedukce prazdne = VypocetRedukci("", "abc", "");
    EXPECT_EQ(prazdne.Faktor, 1.0);
}

TEST(VypocetRedukci, TypedFactorReadsInTheLocaleAndFallsBackToOne) {
    EXPECT_EQ(CtiFaktor("1", ','), 1.0L);
    EXPECT_EQ(CtiFaktor("0,9999471", ','), 0.9999471L);
    EXPECT_EQ(CtiFaktor("0.9999471", '.'), 0.9999471L);
    EXPECT_EQ(CtiFaktor("", ','), 1.0L);
    EXPECT_EQ(CtiFaktor("0.5", ','), 1.0L);
    EXPECT_EQ(CtiFaktor("abc", '.'), 1.0L);
}

TEST(VypocetRedukci, SettingsGiveTheFactorTheDialogWouldHandOver) {
    TNastaveniMAPA2 n;
    TVolbyKonverze v = VolbyZNastaveni(n);
    EXPECT_EQ(v.MeritkovyFaktor, 0.9999471L)
        << "the shown seven decimals, as the dialog reads back";
    EXPECT_EQ(v.OznaceniOrientBodu, '#');
    EXPECT_EQ(v.CelkovaRedukce, "-52.9 mm/km");
    EXPECT_EQ(v.HlavickaUzivatele, "");
    n.ZnakOrientace = "";
    n.HlavickaUzivatel = true;
    n.TextHlavicky = "H";
    v = VolbyZNastaveni(n);
    EXPECT_EQ(v.OznaceniOrientBodu, std::nullopt);
    EXPECT_EQ(v.HlavickaUzivatele, "H");
    n.ZnakOrientace = "+-";
    EXPECT_EQ(VolbyZNastaveni(n).OznaceniOrientBodu, '+');
}

namespace {
struct TMeze {
    const char* Nazev;
    TParametrMista Parametr;
    const char* Text;
    const char* Zprava; // UTF-8, a part of the message; empty: accepted
};
class MezeParametru : public ::testing::TestWithParam<TMeze> {};
constexpr auto pmX = TParametrMista::pmX, pmY = TParametrMista::pmY;
constexpr auto pmH = TParametrMista::pmVyska;
constexpr const char* kVyska = "je mimo možný rozsah. Průměrná nadmořská výška musí být od 0 do "
                               "2\u00A0700\u00A0m.";
} // namespace

// The mean values are taken only inside the S-JTSK extent and the altitudes of the country;
// the message names the value and the range.
TEST_P(MezeParametru, ValuesOutsideTheExtentAreRefusedWithTheRange) {
    const TMeze& m = GetParam();
    const std::string chyba = Cp1250NaUtf8(ChybaParametruMista(m.Parametr, m.Text).value_or(""));
    EXPECT_TRUE(chyba.find(m.Zprava) != std::string::npos && chyba.empty() == !*m.Zprava) << chyba;
}

INSTANTIATE_TEST_SUITE_P(
    Radky, MezeParametru,
    ::testing::Values(
        TMeze{"X_LowerBound", pmX, "890000", ""}, TMeze{"X_UpperBound", pmX, "1380000", ""},
        TMeze{"X_BelowTheArea", pmX, "889999",
              "Souřadnice X \"889999\" leží mimo oblast S-JTSK. Průměrná souřadnice X musí být "
              "od 890\u00A0000 do 1\u00A0380\u00A0000\u00A0m."},
        TMeze{"Y_UpperBound", pmY, "910000", ""},
        TMeze{"Y_BeyondTheArea", pmY, "910001", "musí být od 137\u00A0000 do 910\u00A0000\u00A0m."},
        TMeze{"Y_Infinite", pmY, "inf",
              "\"inf\" není číslo. Průměrná souřadnice Y musí být "
              "od 137\u00A0000 do 910\u00A0000\u00A0m."},
        TMeze{"Altitude_Krkonose", pmH, "1200", ""}, TMeze{"Altitude_SeaLevel", pmH, "0", ""},
        TMeze{"Altitude_UpperBound", pmH, "2700", ""},
        TMeze{"Altitude_TooHigh", pmH, "2701", kVyska},
        TMeze{"Altitude_EarthRadius", pmH, "6400000", kVyska},
        TMeze{"Altitude_Huge", pmH, "1e308",
              "Nadmořská výška \"1e308\" je mimo možný rozsah. Průměrná nadmořská výška musí "
              "být od 0 do 2\u00A0700\u00A0m."},
        TMeze{"Altitude_Negative", pmH, "-1", kVyska},
        TMeze{"Altitude_Empty", pmH, "", "Nadmořská výška není zadána."}),
    [](const auto& info) { return std::string(info.param.Nazev); });

// A factor the dialog's rounding shows for a corner of the extent is still inside.
TEST(MezeFaktoru, OnlyFactorsTheExtentCanGiveAreInRange) {
    for (auto [faktor, uvnitr] : {std::pair{1.0L, true},
                                  {0.9994768L, true},
                                  {1.0021998L, true},
                                  {0.9994767L, false},
                                  {1.0021999L, false},
                                  {0.0L, false},
                                  {1e20L, false}})
        EXPECT_EQ(FaktorVRozsahu(faktor), uvnitr) << static_cast<double>(faktor);
    EXPECT_EQ(Cp1250NaUtf8(TextFaktorMimoRozsah("1,5", ',')),
              "Měřítkový faktor 1,5 leží mimo rozsah 0,9994768 až 1,0021998, který mohou dát "
              "průměrné hodnoty v oblasti S-JTSK a nadmořské výšky od 0 do 2\u00A0700\u00A0m.");
}
