#include "Pomucky.h"
#include "upload/KlavesyTabulky.h"

#include <gtest/gtest.h>

TEST(TabulkaBodu, HeaderTextsAndOneEmptyRowAfterReset) {
    TTabulkaBodu body;
    ASSERT_EQ(body.PocetSloupcu(), 5);
    EXPECT_EQ(body.Hlavicka(0), "  \xC8\xEDslo"); // "  Číslo" in cp1250
    EXPECT_EQ(body.Hlavicka(1), "  Y (N)");
    EXPECT_EQ(body.Hlavicka(2), "  X (E)");
    EXPECT_EQ(body.Hlavicka(3), "  Z");
    EXPECT_EQ(body.Hlavicka(4), "  Pozn\xE1mka");

    body.PridejRadek();
    body.NastavBunku(1, 0, "7");
    body.InicializujTabulku();
    EXPECT_EQ(RadkyTabulky(body), (TRadky{{"", "", "", "", ""}}));

    TTabulkaKodu kody;
    ASSERT_EQ(kody.PocetSloupcu(), 2);
    EXPECT_EQ(kody.Hlavicka(0), "  Adres\xE1\xF8");
    EXPECT_EQ(kody.Hlavicka(1), "  K\xF3"
                                "d");
}

TEST(TabulkaBodu, EmptyRowMeansEveryCellEmptyNotBlank) {
    auto body = TabulkaZRadku<TTabulkaBodu>({{"", "", "", "", ""}, {"", "", "", "", " "}});
    EXPECT_TRUE(body.JePrazdnyRadek(1));
    EXPECT_FALSE(body.JePrazdnyRadek(2));
}

TEST(TabulkaBodu, AddAppendsAtTheEndWhereverTheSelectionIs) {
    auto body = TabulkaZRadku<TTabulkaBodu>({{"1"}, {"2"}, {"3"}});
    body.VyberBunku(2, 1);
    body.PridejRadek();
    EXPECT_EQ(RadkyTabulky(body), (TRadky{{"1", "", "", "", ""},
                                          {"2", "", "", "", ""},
                                          {"3", "", "", "", ""},
                                          {"", "", "", "", ""}}));
}

TEST(TabulkaBodu, DeleteBeforeAnySelectionOrBeyondTheLastRowDoesNothing) {
    auto body = TabulkaZRadku<TTabulkaBodu>({{"1"}, {"2"}});
    EXPECT_FALSE(body.VymazVybranyRadek());
    body.VyberBunku(3, 0);
    EXPECT_FALSE(body.VymazVybranyRadek());
    EXPECT_EQ(body.PocetRadku(), 2);
    EXPECT_EQ(body.Bunka(1, 0), "1");
    EXPECT_EQ(body.Bunka(2, 0), "2");
}

TEST(TabulkaBodu, DeleteKeepsTheRememberedRowSoASecondDeleteTakesTheNextOne) {
    auto body = TabulkaZRadku<TTabulkaBodu>({{"1"}, {"2"}, {"3"}, {"4"}});
    body.VyberBunku(2, 3);
    EXPECT_TRUE(body.VymazVybranyRadek());
    EXPECT_EQ(body.VybranyRadek(), 2);
    EXPECT_TRUE(body.VymazVybranyRadek());
    ASSERT_EQ(body.PocetRadku(), 2);
    EXPECT_EQ(body.Bunka(1, 0), "1");
    EXPECT_EQ(body.Bunka(2, 0), "4");
    // The remembered row now lies beyond the last one.
    body.VyberBunku(3, 0);
    EXPECT_FALSE(body.VymazVybranyRadek());
}

TEST(TabulkaBodu, DeletingTheOnlyRowEmptiesIt) {
    auto body = TabulkaZRadku<TTabulkaBodu>({{"1", "2", "3", "4", "roh"}});
    body.VyberBunku(1, 4);
    EXPECT_TRUE(body.VymazVybranyRadek());
    EXPECT_EQ(RadkyTabulky(body), (TRadky{{"", "", "", "", ""}}));
}

TEST(TabulkaKodu, DeleteTheLastOfSeveralRows) {
    auto kody = TabulkaZRadku<TTabulkaKodu>({{"a", "1"}, {"b", "2"}});
    kody.VyberBunku(2, 1);
    EXPECT_TRUE(kody.VymazVybranyRadek());
    EXPECT_EQ(RadkyTabulky(kody), (TRadky{{"a", "1"}}));
}

TEST(StringGridKeyUp, InsertWithAnyModifiersAddsDeleteOnlyWithCtrlAlone) {
    EXPECT_EQ(StringGridKeyUp(kKlavesaInsert, 0), TAkceKlavesy::akPridejRadek);
    EXPECT_EQ(StringGridKeyUp(kKlavesaInsert, mdShift | mdCtrl | mdAlt),
              TAkceKlavesy::akPridejRadek);
    EXPECT_EQ(StringGridKeyUp(kKlavesaDelete, mdCtrl), TAkceKlavesy::akVymazRadek);
    EXPECT_EQ(StringGridKeyUp(kKlavesaDelete, 0), TAkceKlavesy::akZadna);
    EXPECT_EQ(StringGridKeyUp(kKlavesaDelete, mdCtrl | mdShift), TAkceKlavesy::akZadna);
    EXPECT_EQ(StringGridKeyUp(kKlavesaDelete, mdAlt), TAkceKlavesy::akZadna);
    EXPECT_EQ(StringGridKeyUp('A', mdCtrl), TAkceKlavesy::akZadna);
}
