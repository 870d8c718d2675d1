#include "upload/StromKodu.h"
#include "Pomucky.h"
#include "StromKoduReference.h"

#include <gtest/gtest.h>

#include <random>

// Readable failures: one item per line as text/picture/depth.
void PrintTo(const TPolozkaStromu& polozka, std::ostream* os) {
    *os << Cp1250NaUtf8(polozka.Text) << '/' << polozka.Obrazek << '/' << polozka.Uroven;
}

namespace {
TPolozkaStromu Adresar(const std::string& text) {
    return {Cz(text.c_str()), kObrazekAdresare, 0};
}
TPolozkaStromu Kod(const std::string& text, int uroven) {
    return {Cz(text.c_str()), kObrazekKodu, uroven};
}

std::vector<TPolozkaStromu> Strom(const TRadky& radky) {
    return ObnovStrom(TabulkaZRadku<TTabulkaKodu>(radky));
}
} // namespace

TEST(ObnovStrom, DirectoriesHoldTheirCodesSortedAndCodesWithoutDirectoryStandAtTheTop) {
    EXPECT_EQ(Strom({{"body", "roh"}, {"Body", "plot"}, {"", "stromek"}}),
              (std::vector<TPolozkaStromu>{Adresar("BODY"), Kod("PLOT", 1), Kod("ROH", 1),
                                           Kod("STROMEK", 0)}));
    // Only ASCII letters are upper-cased.
    EXPECT_EQ(Strom({{"kóta", "x"}}), (std::vector<TPolozkaStromu>{Adresar("KóTA"), Kod("X", 1)}));
}

TEST(ObnovStrom, EmptyTableGivesNoItemsAndADirectoryWithoutCodesStandsAlone) {
    EXPECT_TRUE(Strom({{"", ""}}).empty());
    EXPECT_EQ(Strom({{"vrstva", ""}}), (std::vector<TPolozkaStromu>{Adresar("VRSTVA")}));
}

TEST(ObnovStrom, DuplicatesAreNotMerged) {
    EXPECT_EQ(Strom({{"a", "x"}, {"A", "x"}, {"", "y"}, {"", "Y"}}),
              (std::vector<TPolozkaStromu>{Adresar("A"), Kod("X", 1), Kod("X", 1), Kod("Y", 0),
                                           Kod("Y", 0)}));
}

TEST(ObnovStrom, DirectoryNamedLikeAnEarlierCodeFilesItsCodesUnderThatCode) {
    // A top-level code.
    EXPECT_EQ(Strom({{"", "plot"}, {"plot", "drat"}}),
              (std::vector<TPolozkaStromu>{Kod("PLOT", 0), Kod("DRAT", 1)}));
    // A code inside a directory that stands above the directory of the same name.
    EXPECT_EQ(Strom({{"a", "b"}, {"b", "c"}, {"c", "d"}}),
              (std::vector<TPolozkaStromu>{Adresar("A"), Kod("B", 1), Kod("C", 2), Kod("D", 3)}));
    // What counts is the place in the tree, not the age: the directory B came first, but the
    // code B inside A stands above it.
    EXPECT_EQ(Strom({{"b", "x"}, {"a", "b"}, {"b", "y"}}),
              (std::vector<TPolozkaStromu>{Adresar("A"), Kod("B", 1), Kod("Y", 2), Adresar("B"),
                                           Kod("X", 1)}));
    // A code of the name that stands below the directory leaves the directory in use.
    EXPECT_EQ(Strom({{"b", "x"}, {"z", "b"}, {"b", "y"}}),
              (std::vector<TPolozkaStromu>{Adresar("B"), Kod("X", 1), Kod("Y", 1), Adresar("Z"),
                                           Kod("B", 1)}));
}

TEST(ObnovStrom, LevelsFollowTheGivenOrderAndEqualTextsKeepTheOrderOfAddition) {
    auto obracene = [](const std::string& a, const std::string& b) {
        return b < a;
    };
    EXPECT_EQ(ObnovStrom(TabulkaZRadku<TTabulkaKodu>({{"", "a"}, {"", "c"}, {"", "b"}}), obracene),
              (std::vector<TPolozkaStromu>{Kod("C", 0), Kod("B", 0), Kod("A", 0)}));
    // By length only: "bb" and "aa" sort equal, so the one added first stays first, and the
    // directory "AA" files under the earlier code item "AA".
    auto delka = [](const std::string& a, const std::string& b) {
        return a.size() < b.size();
    };
    EXPECT_EQ(ObnovStrom(TabulkaZRadku<TTabulkaKodu>(
                             {{"", "bb"}, {"", "aa"}, {"", "c"}, {"aa", "x"}, {"", "bb"}}),
                         delka),
              (std::vector<TPolozkaStromu>{Kod("C", 0), Kod("BB", 0), Kod("AA", 0), Kod("X", 1),
                                           Kod("BB", 0)}));
}

TEST(ObnovStrom, RanksFromTheCallerGiveTheSameTreeAsItsComparison) {
    const auto tabulka = TabulkaZRadku<TTabulkaKodu>(
        {{"body", "roh"}, {"", "body"}, {"Body", "plot"}, {"", "stromek"}, {"roh", "x"}});
    auto poradi = [](const std::vector<std::string>& texty) {
        return PoradiPodlePorovnani(texty, PorovnaniBajtu);
    };
    EXPECT_EQ(ObnovStromPodlePoradi(tabulka, poradi), ObnovStrom(tabulka));
    auto spatnePoradi = [](const std::vector<std::string>&) {
        return std::vector<int>{0};
    };
    EXPECT_THROW(ObnovStromPodlePoradi(tabulka, spatnePoradi), std::logic_error);
}

TEST(ObnovStrom, AVeryDeepChainOfCodesIsBuiltWithoutRecursion) {
    TRadky radky;
    for (int i = 0; i < 20000; ++i)
        radky.push_back({"k" + std::to_string(i), "k" + std::to_string(i + 1)});
    const auto strom = Strom(radky);
    ASSERT_EQ(strom.size(), 20001u);
    EXPECT_EQ(strom.back(), Kod("K20000", 20000));
}

// Many random tables over a few short texts, so that directories meet codes of the same name
// at every level, compared with the plain build under orders with and without ties.
TEST(ObnovStrom, SameTreeAsThePlainBuildForRandomTables) {
    const std::vector<std::string> texty = {"",   "",   "a", "A",    "b",    "B",   "ab",
                                            "Ab", "ba", "c", "\xE1", "\xC1", "a b", "x"};
    const std::vector<std::pair<const char*, TPorovnaniTextu>> poradi = {
        {"bytes", PorovnaniBajtu},
        {"reverse",
         [](const std::string& a, const std::string& b) {
             return b < a;
         }},
        {"length",
         [](const std::string& a, const std::string& b) {
             return a.size() < b.size();
         }},
        {"all equal",
         [](const std::string&, const std::string&) {
             return false;
         }},
    };
    std::mt19937 nahoda(20240607u);
    std::uniform_int_distribution<std::size_t> text(0, texty.size() - 1);
    std::uniform_int_distribution<int> pocet(1, 40);
    for (int pokus = 0; pokus < 3000; ++pokus) {
        TTabulkaKodu tabulka;
        const int radku = pocet(nahoda);
        for (int r = 1; r <= radku; ++r) {
            if (r > 1)
                tabulka.PridejRadek();
            tabulka.NastavBunku(r, TTabulkaKodu::skAdresar, texty[text(nahoda)]);
            tabulka.NastavBunku(r, TTabulkaKodu::skKod, texty[text(nahoda)]);
        }
        for (const auto& [jmeno, mensi] : poradi) {
            ASSERT_EQ(ObnovStrom(tabulka, mensi), reference::ObnovStrom(tabulka, mensi))
                << "order " << jmeno << ", try " << pokus;
        }
    }
}
