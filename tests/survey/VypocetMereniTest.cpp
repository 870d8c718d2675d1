// The computation against cases worked independently of it: tests/data/survey/rucni_vypocet.py
// computes them from the surveying rules alone and prints these rows.
#include "JmenoPripadu.h"

#include "survey/CteniSouradnic.h"
#include "survey/VypocetMereni.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct TRucniPripad {
    const char* Nazev;
    const char* Mereni;
    const char* Zname; // a coordinate file of known points
    std::optional<long double> Faktor;
    bool Zakriveni;
    // Stations "S<number> <correction>" with " N" unoriented, " L" local and each orienting
    // observation "[number cc mm distance-mm]"; after "|" the computed points "number Y X Z".
    const char* Ocekavano;
};

std::ostream& operator<<(std::ostream& os, const TRucniPripad& p) {
    return os << p.Nazev;
}

std::string Cislo(const char* format, double hodnota) {
    char text[64];
    std::snprintf(text, sizeof text, format, hodnota);
    return text;
}

std::string Popis(const TVysledekVypoctu& v) {
    std::string text;
    for (const TStanice& st : v.Stanice) {
        text += (text.empty() ? "S" : ";S") + st.Cislo + Cislo(" %.4f", st.Oprava);
        text += st.Neorientovana ? " N" : "";
        text += st.Puvod == TPuvodStanice::psMistni ? " L" : "";
        for (const TOrientacniMereni& o : st.Orientace) {
            text += " [" + o.Cislo + Cislo(" %.1f", o.OdchylkaCC) + Cislo(" %.1f", o.OdchylkaMM);
            text += (o.RozdilDelkyMM ? Cislo(" %.1f", *o.RozdilDelkyMM) : "") + "]";
        }
    }
    text += '|';
    bool prvni = true;
    for (const TBodSouradnic& b : VypoctenyBody(v)) {
        text += (prvni ? "" : ";") + b.Cislo + ' ' + b.Y.Text + ' ' + b.X.Text + ' ' +
                (b.Z.Je ? b.Z.Text : "-");
        prvni = false;
    }
    return text;
}

const TRucniPripad kRucne[] = {
    {"jedna_zamera",
     "NTS-660\r\nSTN 1,1.5\r\nXYZ 700000.000,1000000.000,300.000\r\nBS 2,1.6\r\nSD "
     "10.0000,100.0000,141.421\r\nSS 3,1.7,K1\r\nSD 60.0000,95.0000,50.000\r\n",
     "2,700100.000,1000100.000,301.000\r\n", 1.0000000, true,
     "S1 40.0000 [2 0.0 0.0 -0.4]|3 700049.846 1000000.000 303.723"},
    {"bez_zakriveni",
     "NTS-660\r\nSTN 1,1.5\r\nXYZ 700000.000,1000000.000,300.000\r\nBS 2,1.6\r\nSD "
     "10.0000,100.0000,141.421\r\nSS 3,1.7\r\nSD 60.0000,95.0000,850.000\r\n",
     "2,700100.000,1000100.000,301.000\r\n", 1.0000000, false,
     "S1 40.0000 [2 0.0 0.0 -0.4]|3 700847.380 1000000.000 366.490"},
    {"dve_zamery_pres_nulu",
     "NTS-660\r\nSTN 1,1.5\r\nXYZ 700000.000,1000000.000,300.000\r\nBS 11,1.5\r\nSD "
     "100.0010,100.0000,100.000\r\nSS 12,1.5,#\r\nSD 199.9990,100.0000,100.000\r\nSS 13,1.5\r\nSD "
     "50.0000,100.0000,100.000\r\n",
     "11,700100.000,1000000.000,300.000\r\n12,700000.000,999900.000,300.000\r\n", 1.0000000, true,
     "S1 0.0000 [11 -10.0 -1.6 0.0] [12 10.0 1.6 0.0]|13 700070.711 1000070.711 300.001"},
    {"zamera_ve_druhe_poloze",
     "NTS-660\r\nSTN 1,1.5\r\nXYZ 700000.000,1000000.000,300.000\r\nBS 2,1.6\r\nSD "
     "210.0000,300.0000,141.421\r\nSS 4,1.5\r\nSD 120.0000,98.0000,30.000\r\nSS 4,1.5\r\nSD "
     "320.0020,302.0010,30.004\r\n",
     "2,700100.000,1000100.000,301.000\r\n", 1.0000000, true,
     "S1 40.0000 [2 0.0 0.0 -0.4]|4 700017.626 999975.740 300.943"},
    {"neorientovana_a_mistni",
     "NTS-660\r\nSTN 1,1.5\r\nXYZ 700000.000,1000000.000,300.000\r\nSS 5,1.5\r\nSD "
     "30.0000,100.0000,20.000\r\nSTN 50,1.4\r\nSS 51,1.3\r\nSD 100.0000,100.0000,10.000\r\n",
     "", 0.9999000, true,
     "S1 0.0000 N;S50 0.0000 L|5 700009.079 1000017.818 300.000;51 10.000 0.000 0.100"},
    {"hd_a_druha_poloha",
     "NTS-660\r\nSTN 1,1.5\r\nXYZ 700000.000,1000000.000,300.000\r\nBS 2,1.6\r\nSD "
     "10.0000,100.0000,141.421\r\nSS 6,1.5\r\nHD 150.0000,25.000,-1.250\r\nSS 7,1.5\r\nSD "
     "380.0000,305.0000,40.000\r\n",
     "2,700100.000,1000100.000,301.000\r\n", 1.0000000, true,
     "S1 40.0000 [2 0.0 0.0 -0.4]|6 700003.911 999975.308 298.750;7 699987.677 999962.075 303.138"},
    {"polygonovy_bod",
     "NTS-660\r\nSTN 1,1.5\r\nXYZ 700000.000,1000000.000,300.000\r\nBS 2,1.6\r\nSD "
     "10.0000,100.0000,141.421\r\nFS 8,1.5\r\nSD 90.0000,99.0000,120.000\r\nSTN 8,1.55\r\nBS "
     "1,1.5\r\nSD 0.0000,101.0000,120.000\r\nSS 9,1.5\r\nSD 100.0000,100.0000,60.000\r\n",
     "2,700100.000,1000100.000,301.000\r\n", 0.9999471, true,
     "S1 40.0000 [2 0.0 0.0 -7.8];S8 330.0000 [1 0.0 0.0 0.0]|8 700106.902 999945.531 301.886;9 "
     "700134.140 999998.988 301.936"},
    {"meritko_z_prumeru",
     "NTS-660\r\nSTN 1,1.5\r\nXYZ 700000.000,1000000.000,300.000\r\nBS 2,1.6\r\nSD "
     "10.0000,100.0000,141.421\r\nSS 3,1.7\r\nSD 60.0000,95.0000,1000.000\r\n",
     "2,700100.000,1000100.000,301.000\r\n", std::nullopt, true,
     "S1 40.0000 [2 0.0 0.0 -7.8]|3 700996.865 1000000.000 378.327"},
};

class VypocetMereniTest : public testing::TestWithParam<TRucniPripad> {};

TEST_P(VypocetMereniTest, AgreesWithTheHandWorkedCaseToTheMillimetre) {
    const TRucniPripad& p = GetParam();
    TZadaniVypoctu zadani;
    zadani.Mereni = p.Mereni;
    zadani.Zname.push_back(CtiSouradnice(p.Zname, false).Body);
    zadani.Faktor = p.Faktor;
    zadani.ZakriveniARefrakce = p.Zakriveni;
    const TVysledekVypoctu v = VypocetMereni(zadani);
    EXPECT_EQ(v.Stav, TStavVypoctu::svHotovo);
    EXPECT_EQ(Popis(v), p.Ocekavano);
}

INSTANTIATE_TEST_SUITE_P(Rucne, VypocetMereniTest, testing::ValuesIn(kRucne),
                         [](const auto& p) { return JmenoPripadu(p.param.Nazev); });

} // namespace

namespace {

// What cannot be computed is listed, never dropped silently and never a number that is not.
TEST(VypocetMereniSeznamy, ListsDamagedDirectionOnlyRepeatedAndDisagreeingSources) {
    TZadaniVypoctu zadani;
    zadani.Mereni = "NTS-660\r\n"
                    "STN 1,1.5\r\n"
                    "XYZ 100.000,200.000,10.000\r\n" // line 3
                    "SS 3,1.5\r\n"
                    "SD 0.0000,100.0000,10.000\r\n"
                    "SS 4,1.5\r\n" // line 6: damaged
                    "SD abc,100.0000,10.000\r\n"
                    "SS 5,1.5\r\n" // angles only
                    "HV 10.0000,100.0000\r\n"
                    "SS 6,1.5\r\n" // zenith: direction only
                    "SD 10.0000,0.0000,5.000\r\n"
                    "SS 3,1.5\r\n" // again, 2 mm further
                    "SD 0.0000,100.0000,10.002\r\n";
    zadani.Zname.push_back({{.Cislo = "1",
                             .Y = SouradniceZTextu("100.003"),
                             .X = SouradniceZTextu("200.000"),
                             .Z = SouradniceZTextu("10.000")}});
    zadani.Faktor = 1;
    const TVysledekVypoctu v = VypocetMereni(zadani);
    EXPECT_EQ(v.Poskozene, std::vector<std::size_t>{6});
    ASSERT_EQ(v.Stanice.size(), 1u);
    const auto& m = v.Stanice[0].Mereni;
    ASSERT_EQ(m.size(), 5u);
    EXPECT_TRUE(m[1].Poskozeno && !m[1].Y);
    EXPECT_TRUE(m[2].JenSmer && !m[2].Y);
    EXPECT_TRUE(m[3].JenSmer && !m[3].Y);
    ASSERT_EQ(v.Opakovane.size(), 1u);
    EXPECT_NEAR(v.Opakovane[0].dX, 0.002, 1e-9);
    ASSERT_EQ(v.Nesoulady.size(), 1u);
    EXPECT_EQ(v.Nesoulady[0].Pouzity, TPuvodStanice::psXYZ);
    EXPECT_NEAR(v.Nesoulady[0].dY, 0.003, 1e-9);
    EXPECT_EQ(VypoctenyBody(v).size(), 1u);
}

// Only the NTS-660's measured data in standard units are computed.
TEST(VypocetMereniSeznamy, ComputesOnlyMeasuredDataOfTheNts660InStandardUnits) {
    const struct {
        const char* Obsah;
        TStavVypoctu Stav;
    } kPripady[] = {
        {"", TStavVypoctu::svNejsouData},
        {"NTS-350\r\nSTN 1\r\n", TStavVypoctu::svNTS350},
        {"1,100,200,300\r\n", TStavVypoctu::svSouradnice},
        {"NTS-660\r\nUNITS F,D\r\nSTN 1\r\nSS 2\r\nSD 1,100,10\r\n", TStavVypoctu::svJednotky},
        {"NTS-660\r\nUNITS M,G\r\nSTN 1\r\n", TStavVypoctu::svHotovo},
    };
    for (const auto& p : kPripady) {
        TZadaniVypoctu zadani;
        zadani.Mereni = p.Obsah;
        const TVysledekVypoctu v = VypocetMereni(zadani);
        EXPECT_EQ(v.Stav, p.Stav) << p.Obsah;
        EXPECT_EQ(v.Stanice.empty(), p.Stav != TStavVypoctu::svHotovo) << p.Obsah;
        EXPECT_EQ(v.Poznamky.empty(), p.Stav != TStavVypoctu::svJednotky) << p.Obsah;
    }
}

} // namespace
