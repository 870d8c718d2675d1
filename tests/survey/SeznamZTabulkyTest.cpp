#include "survey/SeznamZTabulky.h"

#include "common/Cp1250.h"

#include <gtest/gtest.h>

namespace {

TTabulkaBodu Tabulka(const std::vector<std::vector<const char*>>& radky) {
    TTabulkaBodu tabulka;
    for (std::size_t r = 0; r < radky.size(); ++r) {
        if (r)
            tabulka.PridejRadek();
        for (std::size_t s = 0; s < radky[r].size(); ++s)
            tabulka.NastavBunku(int(r + 1), int(s), Cz(radky[r][s]));
    }
    return tabulka;
}

} // namespace

TEST(SeznamZTabulkyTest, CellsReadAsTheUploadReadsThemAndABadCellNamesItsRow) {
    const TSeznamZTabulky dobre = SeznamZTabulky(Tabulka({
        {" 0012 ", "743210,12", " 1043210.345 ", "", " Plot žlutý"},
        {"", "", "", "", ""}, // an empty row is skipped
        {"5", "745000", "1165000", "380.20", ""},
    }));
    ASSERT_EQ(dobre.Chyba, "");
    ASSERT_EQ(dobre.Body.size(), 2u);
    EXPECT_EQ(dobre.Body[0].Cislo, "0012");
    EXPECT_EQ(dobre.Body[0].Y.Text, "743210.12");
    EXPECT_EQ(dobre.Body[0].X.Text, "1043210.345");
    EXPECT_FALSE(dobre.Body[0].Z.Je);
    EXPECT_EQ(dobre.Body[0].Kod, Cz("Plot žlutý"));
    EXPECT_EQ(dobre.Body[1].Radek, 3u);
    EXPECT_EQ(dobre.Body[1].Z.Text, "380.20");

    struct {
        std::vector<std::vector<const char*>> radky;
        const char* chyba;
        int sloupec;
    } const spatne[] = {
        {{{"1", "1", "2", "3", ""}, {"2", "", "2", "", ""}}, "Řádek 2: souřadnice Y chybí.", 1},
        {{{"2", "1", "2x", "", ""}}, "Řádek 1: souřadnice X \"2x\" není číslo.", 2},
        {{{"3", "1", "2", "1e3", ""}}, "Řádek 1: souřadnice Z \"1e3\" není číslo.", 3},
    };
    for (const auto& s : spatne) {
        const TSeznamZTabulky v = SeznamZTabulky(Tabulka(s.radky));
        EXPECT_EQ(Cp1250NaUtf8(v.Chyba), s.chyba);
        EXPECT_EQ(v.Sloupec, s.sloupec) << s.chyba;
        EXPECT_TRUE(v.Body.empty()) << s.chyba;
    }
}
