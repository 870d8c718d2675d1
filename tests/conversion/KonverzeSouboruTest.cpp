// The entry operation's steps and failures, around the writers the cases pin.
#include "SlozkaTestu.h"
#include "ZaznamRozhrani.h"

#include "common/Cp1250.h"
#include "conversion/Cisla.h"
#include "conversion/KonverzeSouboru.h"
#include "conversion/ZapisMAPA2.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <tuple>

namespace fs = std::filesystem;

namespace {
const std::string kMereni = "NTS-660\r\nSTN 1,1.500\r\nSS 2,1.500\r\nSD 1.0000,90.0000,10.000\r\n";
}

class KonverzeSouboru_ : public TSlozkaTestu {};

TEST_F(KonverzeSouboru_, OutputNameReplacesOrAddsTheExtension) {
    EXPECT_EQ(VystupniJmeno("/d/a.sdt", false), fs::path("/d/a.zap"));
    EXPECT_EQ(VystupniJmeno("/d/a.SDT", true), fs::path("/d/a.asc"));
    EXPECT_EQ(VystupniJmeno("/d/a", false), fs::path("/d/a.zap"));
    EXPECT_EQ(VystupniJmeno("/d.x/a.b.sdt", false), fs::path("/d.x/a.b.zap"));
}

TEST_F(KonverzeSouboru_, MissingInputEndsSilently) {
    TZaznamRozhrani r;
    const auto v = KonverzeSouboru(slozka_ / "nic.sdt", TTypStanice::tsNTS660, r);
    EXPECT_EQ(v.Stav, TStavKonverze::kvChybiVstup);
    EXPECT_FALSE(v.Zobrazit());
    EXPECT_TRUE(r.zpravy.empty());
    EXPECT_EQ(r.PocetParametru, 0);
}

TEST_F(KonverzeSouboru_, ExistingOutputIsAskedForAndNoKeepsIt) {
    const auto vstup = slozka_ / "a.sdt";
    ZapisSoubor(vstup, kMereni);
    ZapisSoubor(slozka_ / "a.zap", "stary");
    TZaznamRozhrani r;
    r.odpoved = false;
    const auto v = KonverzeSouboru(vstup, TTypStanice::tsNTS660, r);
    EXPECT_EQ(v.Stav, TStavKonverze::kvPrepsaniOdmitnuto);
    EXPECT_FALSE(v.Zobrazit());
    ASSERT_EQ(r.otazky.size(), 1u);
    EXPECT_EQ(r.otazky[0], Cz("Varování|Soubor \"") + (slozka_ / "a.zap").string() +
                               Cz("\" již existuje.Chcete ho přepsat?"));
    EXPECT_EQ(r.PocetParametru, 0) << "the dialog comes after the question";
    EXPECT_EQ(NactiSoubor(slozka_ / "a.zap"), "stary");

    r.odpoved = true;
    EXPECT_EQ(KonverzeSouboru(vstup, TTypStanice::tsNTS660, r).Stav, TStavKonverze::kvHotovo);
    EXPECT_NE(NactiSoubor(slozka_ / "a.zap"), "stary");
}

TEST_F(KonverzeSouboru_, ParametersStepKnowsTheVariantAndShowFlagIsReturned) {
    const auto vstup = slozka_ / "b.sdt";
    ZapisSoubor(vstup, "1,2,3\r\n");
    TZaznamRozhrani r;
    r.Volby.ZobrazitSoubor = false;
    const auto v = KonverzeSouboru(vstup, TTypStanice::tsNTS660, r);
    EXPECT_EQ(v.Stav, TStavKonverze::kvHotovo);
    EXPECT_FALSE(r.PosledniMereni);
    EXPECT_EQ(v.VystupniSoubor, slozka_ / "b.asc");
    EXPECT_FALSE(v.Zobrazit());
    EXPECT_EQ(NactiSoubor(slozka_ / "b.asc"), "1 2 3 \r\n");
}

TEST_F(KonverzeSouboru_, InputGoneDuringTheDialogCreatesNoOutput) {
    const auto vstup = slozka_ / "c.sdt";
    ZapisSoubor(vstup, kMereni);
    TZaznamRozhrani r;
    r.PriParametrech = [&] {
        fs::remove(vstup);
    };
    const auto v = KonverzeSouboru(vstup, TTypStanice::tsNTS660, r);
    EXPECT_EQ(v.Stav, TStavKonverze::kvChyba);
    EXPECT_FALSE(v.Zobrazit());
    ASSERT_EQ(r.zpravy.size(), 1u);
    EXPECT_EQ(r.zpravy[0].Druh, TDruhZpravy::dzVarovani);
    EXPECT_EQ(r.zpravy[0].Text, Cz("Soubor s načtenými daty neexistuje"));
    EXPECT_FALSE(fs::exists(slozka_ / "c.zap"));
}

TEST_F(KonverzeSouboru_, UnreadableInputIsNamedBeforeAnyQuestion) {
    const auto vstup = slozka_ / "slozka.sdt";
    fs::create_directory(vstup);
    TZaznamRozhrani r;
    const auto v = KonverzeSouboru(vstup, TTypStanice::tsNTS660, r);
    EXPECT_EQ(v.Stav, TStavKonverze::kvChyba);
    EXPECT_EQ(r.PocetParametru, 0);
    ASSERT_EQ(r.zpravy.size(), 1u);
    EXPECT_EQ(r.zpravy[0].Druh, TDruhZpravy::dzVyjimka);
    EXPECT_EQ(r.zpravy[0].Text, Cz("Soubor \"") + vstup.string() + Cz("\" nelze přečíst."));
}

TEST_F(KonverzeSouboru_, OutputThatCannotBeCreatedIsNamedAndLeavesNothing) {
    const auto vstup = slozka_ / "d.sdt";
    ZapisSoubor(vstup, kMereni);
    const auto vystup = slozka_ / "chybi" / "d.zap";
    TZaznamRozhrani r;
    const auto v = KonverzeSouboru(vstup, TTypStanice::tsNTS660, r, TCilKonverze{vystup, nullptr});
    EXPECT_EQ(v.Stav, TStavKonverze::kvChyba);
    ASSERT_EQ(r.zpravy.size(), 1u);
    EXPECT_EQ(r.zpravy[0].Druh, TDruhZpravy::dzVyjimka);
    EXPECT_EQ(r.zpravy[0].Text,
              Cz("Soubor \"") + vystup.string() + Cz("\" nelze vytvořit (") +
                  TextChyby(std::make_error_code(std::errc::no_such_file_or_directory)) + ").");

    // A folder in the output's place is not replaced either.
    fs::create_directory(slozka_ / "d.zap");
    TZaznamRozhrani r2;
    EXPECT_EQ(KonverzeSouboru(vstup, TTypStanice::tsNTS660, r2).Stav, TStavKonverze::kvChyba);
    EXPECT_TRUE(fs::is_directory(slozka_ / "d.zap"));
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka_), fs::directory_iterator()), 2);
}

TEST_F(KonverzeSouboru_, StreamTargetWritesNoFileAndAsksNothing) {
    const auto vstup = slozka_ / "e.sdt";
    ZapisSoubor(vstup, kMereni);
    ZapisSoubor(slozka_ / "e.zap", "stary");
    TVystupDoRetezce proud;
    TZaznamRozhrani r;
    r.Volby.HlavickaZDat = false;
    const auto v = KonverzeSouboru(vstup, TTypStanice::tsNTS660, r, TCilKonverze{{}, &proud});
    EXPECT_EQ(v.Stav, TStavKonverze::kvHotovo);
    EXPECT_TRUE(r.otazky.empty());
    EXPECT_EQ(proud.Text(), "9999\r\n999999999\r\n100001\r\n1\r\n3\r\n0\r\n2\r\n1 1 1.500\r\n-1\r\n"
                            "2  10.000 1.500 1.0000 90.0000 * \r\n/\r\n-2\r\n");
    EXPECT_EQ(NactiSoubor(slozka_ / "e.zap"), "stary");
}

// Asked nothing, the conversion checks a file's text while it converts it; any outcome must be
// the one of checking first: the same messages in the same order, and the same output or none.
TEST_F(KonverzeSouboru_, TextCheckedWhileConvertingEndsAsIfCheckedFirst) {
    // Far past the reader's first chunk, with a height warning and a damaged measurement.
    const std::string telo =
        "STN 1,1.500\r\nSS 2,7.500\r\nSD 1.0000,x,10.000\r\n" + StaniceSMerenimi(12000);
    const auto vstup = slozka_ / "f.sdt";
    const auto vystup = slozka_ / "f.zap";
    for (const char* konec : {"", "NOTE \xD8\r\n", "NOTE \xC5\x98\r\n", "NOTE \x01\r\n"}) {
        for (const char* prvni : {"NTS-660\r\n", "NTS-350\r\n", "NTS-660\r\nJOB\r\n"}) {
            const std::string text = prvni + (std::string(prvni).size() > 9 ? "" : telo) + konec;
            ZapisSoubor(vstup, text);
            TZaznamRozhrani ptaSe;
            TZaznamRozhraniBezOtazek bezOtazek;
            std::string vystupy[2];
            TStavKonverze stavy[2];
            int i = 0;
            for (TZaznamRozhrani* r : {&ptaSe, static_cast<TZaznamRozhrani*>(&bezOtazek)}) {
                fs::remove(vystup);
                stavy[i] = KonverzeSouboru(vstup, TTypStanice::tsNTS660, *r).Stav;
                vystupy[i++] = fs::exists(vystup) ? NactiSoubor(vystup) : "(none)";
            }
            SCOPED_TRACE(Cp1250NaUtf8(std::string(prvni) + konec));
            EXPECT_EQ(stavy[0], stavy[1]);
            EXPECT_EQ(ptaSe.zpravy, bezOtazek.zpravy);
            EXPECT_EQ(ptaSe.PoskozeneRadky, bezOtazek.PoskozeneRadky);
            EXPECT_EQ(vystupy[0], vystupy[1]);
            if (text == "NTS-660\r\n" + telo) { // plain: the held messages are told
                EXPECT_EQ(bezOtazek.PoskozeneRadky, std::vector<std::size_t>{3});
                EXPECT_EQ(bezOtazek.zpravy.size(), 2u);
            }
        }
    }
}

// A distance that overflows when scaled would write "inf": the measurement is dropped as
// damaged instead.
TEST(ZapisMAPA2, ScaledDistanceThatIsNotFiniteIsReportedAsDamaged) {
    TCteckaRadku radky(
        TText{"NTS-660\r\nSTN 1\r\nSS 2,1.5\r\nSD 1,2,1e308\r\nSS 3,1.5\r\nSD 1,2,5\r\n"});
    ParametryKonverze p;
    p.HlavickaZDat = false;
    p.MeritkovyFaktor = 1e10L;
    TZaznamRozhrani r;
    TVystupDoRetezce vystup;
    ZapisMAPA2(radky, p, r, vystup);
    EXPECT_EQ(r.PoskozeneRadky, std::vector<std::size_t>{3});
    EXPECT_EQ(vystup.Text().find("inf"), std::string::npos);
    EXPECT_NE(vystup.Text().find("3  50000000000.000 1.5 1 2 * \r\n"), std::string::npos);
}

namespace {
struct TPozorovani {
    const char* Nazev;
    const char* Radek; // the observation line after "SS 2,1.5"
    bool Poskozeno;
};
class HodnotyPozorovani : public ::testing::TestWithParam<TPozorovani> {};
} // namespace

// An angle or a distance that is not a finite number in its range is no measurement: it is
// reported as damaged and dropped, never copied into the output.
TEST_P(HodnotyPozorovani, AnglesAndDistancesOutOfRangeAreDamaged) {
    const TPozorovani& p = GetParam();
    const std::string text = std::string("NTS-660\r\nSTN 1\r\nSS 2,1.5\r\n") + p.Radek + "\r\n";
    TCteckaRadku radky(TText{text}); // holds a view of the text
    ParametryKonverze parametry;
    parametry.HlavickaZDat = false;
    TZaznamRozhrani r;
    TVystupDoRetezce vystup;
    ZapisMAPA2(radky, parametry, r, vystup);
    EXPECT_EQ(r.PoskozeneRadky,
              p.Poskozeno ? std::vector<std::size_t>{3} : std::vector<std::size_t>{});
    EXPECT_EQ(vystup.Text().find("2  ") == std::string::npos, p.Poskozeno) << vystup.Text();
}

INSTANTIATE_TEST_SUITE_P(
    Radky, HodnotyPozorovani,
    ::testing::Values(TPozorovani{"HzInfinite", "SD inf,90.0000,10.000", true},
                      TPozorovani{"HzNotANumber", "SD nan,90.0000,10.000", true},
                      TPozorovani{"HzText", "HV abc,90.0000", true},
                      TPozorovani{"HzEmpty", "HV ,90.0000", true},
                      TPozorovani{"VControlByte", "SD 1.0000,90\x01,10.000", true},
                      TPozorovani{"VBeyondAFullCircle", "HV 1.0000,6400.1", true},
                      TPozorovani{"HzFourDigitsBeyond", "HV 9999.0,90.0000", true},
                      TPozorovani{"HzTwoPoints", "HV 1.2.3,90.0000", true},
                      TPozorovani{"HzTrailingLetter", "HV 1.5x,90.0000", true},
                      TPozorovani{"SlopeDistanceHuge", "SD 1.0000,90.0000,1e308", true},
                      TPozorovani{"SlopeDistanceBeyondReach", "SD 1.0000,90.0000,100000.001", true},
                      TPozorovani{"HorizontalDistanceHuge", "HD 1.0000,1e308,0", true},
                      TPozorovani{"HzFullCircleInGon", "HV 399.9999,100.0000", false},
                      TPozorovani{"AnglesInMils", "HV 6399.9,1600", false},
                      TPozorovani{"TinyNegativeDistance", "SD 1.0000,90.0000,-0.0001", false},
                      TPozorovani{"LongSight", "HD 1.0000,2500.000,30.000", false}),
    [](const auto& info) { return std::string(info.param.Nazev); });

// An angle is judged the same from a file, whose lines may be read past their end and are
// looked at sixteen bytes at once, as from memory and as its number says: random texts, most
// of them near the form stations write.
TEST_F(KonverzeSouboru_, AnglesFromAFileAreJudgedByTheirNumber) {
    std::mt19937 nahoda(6400);
    std::string text = "NTS-660\r\nSTN 1\r\n";
    std::vector<std::size_t> poskozene;
    for (std::size_t radek = 3; radek < 3 + 2 * 4000; radek += 2) {
        std::string uhel(1 + nahoda() % 18, '0');
        for (char& c : uhel)
            c = "0123456789"[nahoda() % 10];
        if (uhel.size() > 1)
            uhel[1 + nahoda() % std::min<std::size_t>(uhel.size() - 1, 4)] = '.';
        if (nahoda() % 3 == 0)
            uhel[nahoda() % uhel.size()] = ".-+ex/"[nahoda() % 6];
        text += "SS 2,1.5\r\nHV " + uhel + ",90.0000\r\n";
        const auto cislo = CtiCislo(uhel);
        if (!cislo || std::fabs(*cislo) > 6400)
            poskozene.push_back(radek);
    }
    const auto vstup = slozka_ / "uhly.sdt";
    ZapisSoubor(vstup, text);
    for (bool zeSouboru : {true, false}) {
        TCteckaRadku souborove(vstup);
        TCteckaRadku pametove(TText{text});
        ParametryKonverze parametry;
        TZaznamRozhrani r;
        TVystupDoRetezce vystup;
        ZapisMAPA2(zeSouboru ? souborove : pametove, parametry, r, vystup);
        EXPECT_EQ(r.PoskozeneRadky, poskozene) << (zeSouboru ? "file" : "memory");
    }
}

namespace {
struct TDavky {
    const char* Nazev;
    const char* Text;
    bool HlavickaZDat;
};
class DavkyZapisu : public ::testing::TestWithParam<TDavky> {};
} // namespace

// The body goes out in batches once the header is written; a DATE line after the first batch
// makes the writer read the file again, so any batch size gives the output and the messages
// (each told once) of the body held whole.
TEST_P(DavkyZapisu, GiveTheOutputAndMessagesOfTheWholeBody) {
    const TDavky& d = GetParam();
    ParametryKonverze p;
    p.HlavickaZDat = d.HlavickaZDat;
    auto preved = [&](std::size_t davka) {
        TCteckaRadku radky(TText{d.Text});
        TZaznamRozhrani r;
        TVystupDoRetezce vystup;
        ZapisMAPA2(radky, p, r, vystup, davka);
        return std::tuple(vystup.Text(), r.zpravy, r.PoskozeneRadky);
    };
    const auto cele = preved(SIZE_MAX);
    for (const std::size_t davka : {std::size_t(1), std::size_t(40)})
        EXPECT_EQ(preved(davka), cele) << "batch " << davka;
}

INSTANTIATE_TEST_SUITE_P(
    Pripady, DavkyZapisu,
    ::testing::Values(
        TDavky{"DateLate",
               "NTS-660\r\nJOB A\r\nDATE 1\r\nSTN 1\r\nSS 2,9\r\nSD 1,2,3\r\nSTN 2\r\nDATE 2\r\n"
               "SS 3,1.5\r\nSD 1,2,x\r\nSTN 3\r\nSS 4,1\r\nHV 1,2\r\n",
               true},
        TDavky{"DateLateWithoutHeader",
               "NTS-660\r\nSTN 1\r\nSS 2,9\r\nSD 1,2,3\r\nSTN 2\r\nDATE 2\r\nSTN 3\r\n", false},
        TDavky{"DateFirst",
               "NTS-660\r\nDATE 1\r\nSTN 1\r\nBS 2,1\r\nSD 1,2,3\r\nSTN 2\r\nFS 3,1\r\n"
               "HD 1,2,3\r\nSTN 3\r\nUNITS F\r\n",
               true}),
    [](const auto& pripad) { return std::string(pripad.param.Nazev); });
