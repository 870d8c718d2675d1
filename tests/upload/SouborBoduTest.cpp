#include "upload/SouborBodu.h"
#include "Pomucky.h"

#include <gtest/gtest.h>

namespace {
TRadky RadkyZBodu(const std::string& obsah) {
    TTabulkaBodu body;
    NactiBody(obsah, body);
    return RadkyTabulky(body);
}
} // namespace

TEST(SouborBodu, SavedBytesSkipEmptyRowsAndWriteTheNoteAfterCommaAsteriskBlank) {
    auto body = TabulkaZRadku<TTabulkaBodu>({{"1", "512.34", "108.25", "250.3", ""},
                                             {"", "", "", "", ""},
                                             {"2", "530", "112", "251", "roh"},
                                             {"", "", "", "", "jen poznámka"},
                                             {"3", "1,5", "", "", ""}});
    EXPECT_EQ(TextSouboruBodu(body), "1,512.34,108.25,250.3\r\n"
                                     "2,530,112,251,* roh\r\n"
                                     ",,,,* jen pozn\xE1mka\r\n"
                                     "3,1,5,,\r\n");
}

TEST(SouborBodu, AllEmptyTableGivesNoBytes) {
    TTabulkaBodu body;
    body.PridejRadek();
    EXPECT_EQ(TextSouboruBodu(body), "");
}

TEST(SouborBodu, ReadingBackWhatWasSavedGivesTheNoteOneLeadingBlank) {
    auto body = TabulkaZRadku<TTabulkaBodu>(
        {{"1", "512.34", "108.25", "250.3", ""}, {"2", "530", "112", "251", "roh"}});
    EXPECT_EQ(RadkyZBodu(TextSouboruBodu(body)),
              (TRadky{{"1", "512.34", "108.25", "250.3", ""}, {"2", "530", "112", "251", " roh"}}));
}

TEST(SouborBodu, SeparatorIsTheFirstNonAlphanumericCharacterOfTheFirstLine) {
    // Blanks, three in a row counting as one.
    EXPECT_EQ(RadkyZBodu("101 512.34   108.25 250.3\r\n"),
              (TRadky{{"101", "512.34", "108.25", "250.3", ""}}));
    // The point comes before the comma, so the point separates the whole file.
    EXPECT_EQ(RadkyZBodu("12.5,7\n3.4\n"),
              (TRadky{{"12", "5,7", "", "", ""}, {"3", "4", "", "", ""}}));
    // A semicolon; a letter with a diacritic (á, E1h in cp1250) is a letter, not a separator.
    EXPECT_EQ(RadkyZBodu("1;2;3;4;x\r\n"), (TRadky{{"1", "2", "3", "4", "x"}}));
    EXPECT_EQ(RadkyZBodu("1\xE1"
                         "2\xE1"
                         "3"),
              (TRadky{{"1á2á3", "", "", "", ""}}));
    // A first line of letters and digits only: blank.
    EXPECT_EQ(RadkyZBodu("7\r\n8 9,5\r\n"),
              (TRadky{{"7", "", "", "", ""}, {"8", "9,5", "", "", ""}}));
}

TEST(SouborBodu, LineEndsCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(RadkyZBodu("1,a\r2,b\n3,c\r\n4,d"), (TRadky{{"1", "a", "", "", ""},
                                                          {"2", "b", "", "", ""},
                                                          {"3", "c", "", "", ""},
                                                          {"4", "d", "", "", ""}}));
}

TEST(SouborBodu, MapaCoordinateLineKeepsItsCodeAsNote) {
    EXPECT_EQ(RadkyZBodu("1 1000.000 2000.000 300.000 * KOD\r\n"
                         "2 1001.000 2001.000 301.000\r\n"),
              (TRadky{{"1", "1000.000", "2000.000", "300.000", "KOD"},
                      {"2", "1001.000", "2001.000", "301.000", ""}}));
}

TEST(SouborBodu, FurtherFieldsAreAppendedToTheNoteAndLeadingAsterisksRemoved) {
    // The separator inside the note is lost.
    EXPECT_EQ(RadkyZBodu("1,2,3,4,* a,b\r\n"), (TRadky{{"1", "2", "3", "4", " ab"}}));
    // Asterisks are removed again after each extension.
    EXPECT_EQ(RadkyZBodu("1,2,3,4,**,*x,**y\r\n"), (TRadky{{"1", "2", "3", "4", "x**y"}}));
}

TEST(SouborBodu, EmptyFieldsStayAndMissingFieldsLeaveCellsEmpty) {
    EXPECT_EQ(RadkyZBodu(",,5,,\r\n17\r\n"),
              (TRadky{{"", "", "5", "", ""}, {"17", "", "", "", ""}}));
}

TEST(SouborBodu, EmptyFirstLineLeavesRowOneEmptyLaterEmptyLinesAreSkipped) {
    // (An empty first line also makes the blank the separator.)
    EXPECT_EQ(RadkyZBodu("\r\n1 2\r\n\r\n3 4\r\n"),
              (TRadky{{"", "", "", "", ""}, {"1", "2", "", "", ""}, {"3", "4", "", "", ""}}));
}

TEST(SouborBodu, LineOfBlanksGivesARow) {
    // Blank separator: the lone blank left after collapsing is a separator, so one empty field.
    EXPECT_EQ(RadkyZBodu("1 2\r\n   \r\n"), (TRadky{{"1", "2", "", "", ""}, {"", "", "", "", ""}}));
    // Another separator: the number is one blank.
    EXPECT_EQ(RadkyZBodu("1,2\r\n   \r\n"),
              (TRadky{{"1", "2", "", "", ""}, {" ", "", "", "", ""}}));
}

TEST(SouborBodu, ReadingResetsTheTableFirst) {
    auto body = TabulkaZRadku<TTabulkaBodu>({{"9"}, {"8"}, {"7"}});
    NactiBody("1\r\n", body);
    EXPECT_EQ(RadkyTabulky(body), (TRadky{{"1", "", "", "", ""}}));
    NactiBody("", body);
    EXPECT_EQ(RadkyTabulky(body), (TRadky{{"", "", "", "", ""}}));
}
