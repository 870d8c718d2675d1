#include "upload/ZaznamKodu.h"
#include "Pomucky.h"

#include <gtest/gtest.h>

TEST(ZapisKodu, CodeThenOneThenDirectoryUpperCasedAsciiOnly) {
    TZaznamZprav zpravy;
    EXPECT_EQ(PripravZapisKodu(TabulkaZRadku<TTabulkaKodu>({{"body", "roh"},
                                                            {"Body", "plot"},
                                                            {"", ""},
                                                            {"", "stromek"},
                                                            {"vrstva", ""},
                                                            {"kóta", "x"},
                                                            {" a ", "b,c"}}),
                               zpravy),
              "ROH,1,BODY\r\n"
              "PLOT,1,BODY\r\n"
              "STROMEK,1,\r\n"
              ",1,VRSTVA\r\n"
              "X,1,K\xF3TA\r\n"
              "B,C,1, A \r\n");
    EXPECT_TRUE(zpravy.zpravy.empty());
}

TEST(ZapisKodu, TableOfEmptyRowsSaysThereIsNoData) {
    TZaznamZprav zpravy;
    EXPECT_EQ(PripravZapisKodu(TabulkaZRadku<TTabulkaKodu>({{"", ""}, {"", ""}}), zpravy),
              std::nullopt);
    EXPECT_EQ(zpravy.zpravy, (std::vector<TZaznamZprav::TZprava>{TZaznamZprav::Utf8(
                                 TDruhZpravy::dzInformace, "Nejsou zadána žádná data!")}));
}
