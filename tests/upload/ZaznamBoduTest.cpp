#include "upload/ZaznamBodu.h"
#include "Pomucky.h"
#include "common/Cp1250.h"
#include "upload/CisloSouradnice.h"

#include <gtest/gtest.h>

namespace {
using TZprava = TZaznamZprav::TZprava;

TZprava Chyba(const std::string& text) {
    return TZaznamZprav::Utf8(TDruhZpravy::dzChyba, text.c_str());
}
TZprava Informace(const std::string& text) {
    return TZaznamZprav::Utf8(TDruhZpravy::dzInformace, text.c_str());
}

std::optional<std::string> Priprav(const TRadky& radky, bool prohozeni, TZaznamZprav& zpravy) {
    return PripravZapisBodu(TabulkaZRadku<TTabulkaBodu>(radky), prohozeni, zpravy);
}
} // namespace

TEST(ZapisBodu, SwapClearedSendsXFirstTickedSendsYFirstCommasBecomePoints) {
    const TRadky radky = {{"12", "512.34", "108,25", "250.3", "  roh"}};
    TZaznamZprav zpravy;
    EXPECT_EQ(Priprav(radky, false, zpravy), "12,108.25,512.34,250.3,roh,\r\n");
    EXPECT_EQ(Priprav(radky, true, zpravy), "12,512.34,108.25,250.3,roh,\r\n");
    EXPECT_TRUE(zpravy.zpravy.empty());
}

TEST(ZapisBodu, EmptyNumberOrNoteContributeNothingAndEmptyRowsAreSkipped) {
    TZaznamZprav zpravy;
    EXPECT_EQ(Priprav({{"1", "10", "20", "30", ""},
                       {"", "", "", "", ""},
                       {"", "11", "21", "31", "plot"},
                       {"3", "12", "22", "32", "   "},
                       {"4", "13", "23", "33", " * z "}},
                      false, zpravy),
              "1,20,10,30,\r\n"
              "21,11,31,plot,\r\n"
              "3,22,12,32,\r\n"
              "4,23,13,33,* z ,\r\n");
    EXPECT_TRUE(zpravy.zpravy.empty());
}

TEST(ZapisBodu, NumbersWithExponentOrBlanksAreSentAsTyped) {
    TZaznamZprav zpravy;
    EXPECT_EQ(Priprav({{"5", "1e3", " 2,5 ", "-0.5E-2", "poznámka"}}, false, zpravy),
              "5, 2.5 ,1e3,-0.5E-2,pozn\xE1mka,\r\n");
}

TEST(ZapisBodu, BadCoordinateNamesTheLetterOfItsColumnAndThePointNumber) {
    TZaznamZprav zpravy;
    EXPECT_EQ(Priprav({{"7", "1", "abc", "3", ""}}, false, zpravy), std::nullopt);
    EXPECT_EQ(Priprav({{"7", "1", "abc", "3", ""}}, true, zpravy), std::nullopt);
    EXPECT_EQ(Priprav({{"8", "1", "2", "", ""}}, false, zpravy), std::nullopt);
    // A table whose only row is bad has rows: no "Nejsou zadána žádná data!" after the error.
    EXPECT_EQ(zpravy.zpravy, (std::vector<TZprava>{
                                 Chyba("Špatně zadaná souřadnice X bodu \"7\""),
                                 Chyba("Špatně zadaná souřadnice X bodu \"7\""),
                                 Chyba("Špatně zadaná souřadnice Z bodu \"8\""),
                             }));
}

TEST(ZapisBodu, OnlyTheFirstBadCoordinateOfARowIsReportedInSendingOrder) {
    const TRadky radky = {{"9", "y?", "x?", "z?", ""}};
    TZaznamZprav zpravy;
    Priprav(radky, false, zpravy);
    Priprav(radky, true, zpravy);
    ASSERT_EQ(zpravy.zpravy.size(), 2u);
    EXPECT_EQ(zpravy.zpravy[0], Chyba("Špatně zadaná souřadnice X bodu \"9\""));
    EXPECT_EQ(zpravy.zpravy[1], Chyba("Špatně zadaná souřadnice Y bodu \"9\""));
}

TEST(ZapisBodu, OneMessageNamesEveryBadRowAndNothingIsSentWhileGoodRowsExist) {
    TZaznamZprav zpravy;
    EXPECT_EQ(Priprav({{"1", "a", "b", "c", ""},
                       {"2", "10", "20", "30", ""},
                       {"3", "10", "", "30", ""},
                       {"", "10", "20", "z", "bez cisla"}},
                      false, zpravy),
              std::nullopt);
    EXPECT_EQ(zpravy.zpravy, (std::vector<TZprava>{
                                 Chyba("Špatně zadané souřadnice u 3 bodů, nic nebylo zapsáno:"
                                       "\r\nX bodů \"1\", \"3\"\r\nZ bodu bez čísla (řádek 4)"),
                             }));
}

// One box however many rows are bad, the first bad cell shown, and no "no data" after it.
TEST(ZapisBodu, BadRowsGiveOneMessageAndShowTheFirstBadCell) {
    struct TPripad {
        const char* jmeno;
        TRadky radky;
        std::string zacatek, konec; // of the one message
        std::pair<int, int> bunka;
    };
    TRadky bezVysek, mnoho;
    std::string cisla;
    for (int i = 1; i <= 40; ++i) {
        bezVysek.push_back({std::to_string(i), "10", "20", "", ""});
        cisla += (i > 1 ? ", \"" : "\"") + std::to_string(i) + "\"";
    }
    for (int i = 1; i <= 150; ++i)
        mnoho.push_back({std::to_string(i), "x", "20", "30", ""});
    const TPripad pripady[] = {
        {"FortyPointsWithoutHeight",
         bezVysek,
         "Špatně zadané souřadnice u 40 bodů, nic nebylo zapsáno:\r\nZ bodů " + cisla,
         "",
         {1, 3}},
        {"BadRowsAfterGoodOnes",
         {{"1", "1", "2", "3", ""}, {"2", "1", "2", "3", ""}, {"3", "1", "", "3", ""}},
         "Špatně zadaná souřadnice X bodu \"3\"",
         "",
         {3, 2}},
        {"HundredNamesAtMost", mnoho, "Špatně zadané souřadnice u 150 bodů", "\"100\", …", {1, 1}},
    };
    for (const TPripad& p : pripady) {
        SCOPED_TRACE(p.jmeno);
        TZaznamZprav zpravy;
        std::pair<int, int> ukazana;
        EXPECT_EQ(PripravZapisBodu(TabulkaZRadku<TTabulkaBodu>(p.radky), true, zpravy,
                                   [&](int r, int s) {
                                       ukazana = {r, s};
                                   }),
                  std::nullopt);
        ASSERT_EQ(zpravy.zpravy.size(), 1u);
        EXPECT_EQ(zpravy.zpravy[0].Druh, TDruhZpravy::dzChyba);
        const std::string text = Cp1250NaUtf8(zpravy.zpravy[0].Text);
        EXPECT_TRUE(text.starts_with(p.zacatek)) << text;
        EXPECT_TRUE(text.ends_with(p.konec)) << text;
        EXPECT_EQ(ukazana, p.bunka);
    }
}

TEST(ZapisBodu, TableOfEmptyRowsSaysThereIsNoData) {
    TZaznamZprav zpravy;
    EXPECT_EQ(Priprav({{"", "", "", "", ""}, {"", "", "", "", ""}}, false, zpravy), std::nullopt);
    EXPECT_EQ(zpravy.zpravy, (std::vector<TZprava>{Informace("Nejsou zadána žádná data!")}));
}

TEST(JeCisloSouradnice, UsualDecimalNotationWithPointOnly) {
    for (const char* dobre :
         {"0", "12", "-12", "+1.5", "1.", ".5", "1e3", "1E+3", "2.5e-07", "  7", "7  ", " -0.25 "})
        EXPECT_TRUE(JeCisloSouradnice(dobre)) << '"' << dobre << '"';
    for (const char* spatne : {"", " ", "-", ".", "1.2.3", "1,5", "1e", "e3", "1e3.5", "--1", "1 2",
                               "abc", "1x", "\t1", "0x10", "- 1", "1 e3"})
        EXPECT_FALSE(JeCisloSouradnice(spatne)) << '"' << spatne << '"';
}
