#include "upload/SouborKodu.h"
#include "Pomucky.h"

#include <gtest/gtest.h>

namespace {
TRadky RadkyZKodu(const std::string& obsah) {
    TTabulkaKodu kody;
    NactiKody(obsah, kody);
    return RadkyTabulky(kody);
}
} // namespace

TEST(SouborKodu, SavedBytesUpperCaseOnlyTheDirectoryAndOnlyAsciiLetters) {
    auto kody = TabulkaZRadku<TTabulkaKodu>({{"body", "roh"},
                                             {"Body", "plot"},
                                             {"", ""},
                                             {"", "stromek"},
                                             {"vrstva", ""},
                                             {"kóta", "Xy"}});
    EXPECT_EQ(TextSouboruKodu(kody), "BODY,roh\r\n"
                                     "BODY,plot\r\n"
                                     ",stromek\r\n"
                                     "VRSTVA,\r\n"
                                     "K\xF3TA,Xy\r\n");
}

TEST(SouborKodu, ReadingBackKeepsTheCellsAsSaved) {
    auto kody = TabulkaZRadku<TTabulkaKodu>({{"body", "roh"}, {"Body", "plot"}, {"", "stromek"}});
    EXPECT_EQ(RadkyZKodu(TextSouboruKodu(kody)),
              (TRadky{{"BODY", "roh"}, {"BODY", "plot"}, {"", "stromek"}}));
}

TEST(SouborKodu, ExtraFieldsIgnoredNoCaseChangeNoAsteriskRemoval) {
    EXPECT_EQ(RadkyZKodu("vrstva,kod,navic\r\n*a,*b\r\n"),
              (TRadky{{"vrstva", "kod"}, {"*a", "*b"}}));
}

TEST(SouborKodu, SeparatorFromTheFirstLineAndEmptyFirstLine) {
    EXPECT_EQ(RadkyZKodu("body  roh\nplot\n"), (TRadky{{"body", "roh"}, {"plot", ""}}));
    EXPECT_EQ(RadkyZKodu("\r\nbody;roh\r\n"), (TRadky{{"", ""}, {"body;roh", ""}}));
}
