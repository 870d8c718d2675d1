// Known points from each kind of file the surveyor keeps them in.
#include "JmenoPripadu.h"

#include "survey/CteniSouradnic.h"

#include <gtest/gtest.h>

namespace {

struct TPripadCteni {
    const char* Nazev;
    const char* Obsah;
    bool Prohozeni;
    TDruhSouboruSouradnic Druh;
    const char* Body; // "number Y X Z code;" per point, "-" for no height
    std::vector<std::size_t> Necitelne;
};

std::ostream& operator<<(std::ostream& os, const TPripadCteni& p) {
    return os << p.Nazev;
}

std::string Popis(const TSeznamSouradnic& body) {
    std::string text;
    for (const auto& b : body)
        text += b.Cislo + ' ' + b.Y.Text + ' ' + b.X.Text + ' ' + (b.Z.Je ? b.Z.Text : "-") + ' ' +
                b.Kod + ';';
    return text;
}

const TPripadCteni kSoubory[] = {
    {"souradnice_pristroje",
     "1,1000.5,2000.25,300,KOD\r\n2,1001,2001\r\n",
     false,
     TDruhSouboruSouradnic::dsSouradnice,
     "1 1000.5 2000.25 300 KOD;2 1001 2001 - ;",
     {}},
    {"souradnice_prohozene",
     "1,1000.5,2000.25,300,KOD\r\n",
     true,
     TDruhSouboruSouradnic::dsSouradnice,
     "1 2000.25 1000.5 300 KOD;",
     {}},
    // The conversion takes only the first word and fields 1 to 5.
    {"souradnice_jako_konverze",
     "7,1,2,3,A,B C\r\n\r\n8\r\n9,x,2\r\n",
     false,
     TDruhSouboruSouradnic::dsSouradnice,
     "7 1 2 3 A;",
     {3, 4}},
    {"soubor_bodu",
     "1,512.34,108.25,250.3\r\n2,530,112,abc,* roh\r\n",
     false,
     TDruhSouboruSouradnic::dsBody,
     "1 512.34 108.25 250.3 ;2 530 112 - roh;",
     {2}},
    {"vystup_konverze_mezerami",
     "\r\n1 1000.000 2000.000 300.000 * KOD\r\n",
     false,
     TDruhSouboruSouradnic::dsBody,
     "1 1000.000 2000.000 300.000 KOD;",
     {}},
    // Only an XYZ line straight after its STN line is the station's.
    {"xyz_mereni",
     "NTS-660\r\nSTN 5,1.5\r\nXYZ 100.1,200.2,30.3\r\nSTN 6,1.5\r\nSS 1,1\r\nXYZ 1,2,3\r\n"
     "STN 7\r\nXYZ 1,2\r\nSTN 8\r\nXYZ 1\r\n",
     true,
     TDruhSouboruSouradnic::dsMereni,
     "5 200.2 100.1 30.3 ;7 2 1 - ;",
     {10}},
};

class CteniSouradnicTest : public testing::TestWithParam<TPripadCteni> {};

TEST_P(CteniSouradnicTest, ReadsYThenXThenZInFileOrder) {
    const TPripadCteni& p = GetParam();
    const TCteniSouradnic cteni = CtiSouradnice(p.Obsah, p.Prohozeni);
    EXPECT_EQ(cteni.Druh, p.Druh);
    EXPECT_EQ(Popis(cteni.Body), p.Body);
    EXPECT_EQ(cteni.Necitelne, p.Necitelne);
}

INSTANTIATE_TEST_SUITE_P(Soubory, CteniSouradnicTest, testing::ValuesIn(kSoubory),
                         [](const auto& p) { return JmenoPripadu(p.param.Nazev); });

} // namespace
