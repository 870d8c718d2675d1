#include "upload/PoleSouboru.h"
#include "Pomucky.h"
#include "upload/SouborKodu.h"
#include "upload/ZaznamKodu.h"

#include <gtest/gtest.h>

namespace {

struct TPripadOddelovace {
    const char* Jmeno;
    const char* PrvniRadek; // UTF-8
    char Oddelovac;
};

// The first line's separator: letters of the code page are letters, and a blank inside the
// first field does not separate when a comma follows it; every other case stays as it was.
const TPripadOddelovace kPripady[] = {
    {"CzechLettersAndBlankBeforeComma", "ŽIVOTNÍ PROSTŘEDÍ,kóta", ','},
    {"CzechLetterBeforeComma", "kóta,x", ','},
    {"BlankInsideAsciiFirstField", "ZELEN PLOCHY,strom", ','},
    {"BlanksBeforeTheComma", "ZELEN  PLOCHY ,strom", ','},
    {"PointNameWithBlank", "Bod A,512.34,108.25,250.3", ','},
    {"CzechLettersOnly", "1á2á3", ' '},
    {"BlankSeparatedWithDecimalCommas", "101 512,34 108,25 250,3", ' '},
    {"BlankSeparatedMapaLineWithCommaInNote", "1 512.34 108.25 250.3 * roh,plot", ' '},
    {"BlankSeparatedWithoutComma", "ZELEN PLOCHY strom", ' '},
    {"PointBeforeComma", "12.5,7", '.'},
    {"CzechLetterBeforeSemicolon", "ŽIVOTNÍ;kóta", ';'},
    {"Empty", "", ' '},
};

class OddelovacPrvnihoRadku : public ::testing::TestWithParam<TPripadOddelovace> {};

} // namespace

TEST_P(OddelovacPrvnihoRadku, IsTheCharacterThatSeparatesTheFields) {
    EXPECT_EQ(OddelovacSouboru(Cz(GetParam().PrvniRadek)), GetParam().Oddelovac);
}

INSTANTIATE_TEST_SUITE_P(Pripady, OddelovacPrvnihoRadku, ::testing::ValuesIn(kPripady),
                         [](const auto& pripad) { return std::string(pripad.param.Jmeno); });

// What reaches the station from such a code file.
TEST(OddelovacPrvnihoRadku, CzechDirectoryWithBlankGivesTheRightCodeRecords) {
    TTabulkaKodu kody;
    NactiKody(Cz("ŽIVOTNÍ PROSTŘEDÍ,kóta\r\nZELEN PLOCHY,strom\r\n"), kody);
    EXPECT_EQ(Cp1250NaUtf8(SestavZapisKodu(kody)), "KóTA,1,ŽIVOTNÍ PROSTŘEDÍ\r\n"
                                                   "STROM,1,ZELEN PLOCHY\r\n");
    EXPECT_EQ(kody.Oddelovac(), ',');
}
