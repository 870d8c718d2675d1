#include "common/GlobalniFunkce.h"

#include <gtest/gtest.h>

using Kusy = std::vector<std::string>;

TEST(FiltrRealneCislo, DigitsBackspaceAndOneLocaleSeparatorPass) {
    EXPECT_EQ(FiltrRealneCislo('1', "", ','), '1');
    EXPECT_EQ(FiltrRealneCislo('\b', "1,5", ','), '\b');
    EXPECT_EQ(FiltrRealneCislo(',', "12", ','), ',');
    EXPECT_EQ(FiltrRealneCislo(',', "1,5", ','), '\0');
    EXPECT_EQ(FiltrRealneCislo('.', "12", ','), '\0');
    EXPECT_EQ(FiltrRealneCislo('-', "", ','), '\0');
    // A point locale takes the point and swallows the comma.
    EXPECT_EQ(FiltrRealneCislo('.', "12", '.'), '.');
    EXPECT_EQ(FiltrRealneCislo(',', "12", '.'), '\0');
}

TEST(FiltrCeleCislo, OnlyDigitsAndBackspace) {
    EXPECT_EQ(FiltrCeleCislo('0'), '0');
    EXPECT_EQ(FiltrCeleCislo('9'), '9');
    EXPECT_EQ(FiltrCeleCislo('\b'), '\b');
    EXPECT_EQ(FiltrCeleCislo('.'), '\0');
    EXPECT_EQ(FiltrCeleCislo('a'), '\0');
    EXPECT_EQ(FiltrCeleCislo('\xE1'), '\0'); // á
}

TEST(OrizniZnak, TrimsChosenSidesOnly) {
    std::string s = "**a*b**";
    OrizniZnak(s, '*', true, false);
    EXPECT_EQ(s, "a*b**");
    OrizniZnak(s, '*', false, true);
    EXPECT_EQ(s, "a*b");
    std::string only = "   ";
    OrizniZnak(only, ' ', true, true);
    EXPECT_EQ(only, "");
    std::string right = "   ";
    OrizniZnak(right, ' ', false, true);
    EXPECT_EQ(right, "");
    std::string empty;
    OrizniZnak(empty, ' ', true, true);
    EXPECT_EQ(empty, "");
}

TEST(SlucOpakovanyZnak, CollapsesRunsKeepsSingles) {
    std::string s = "A   B ";
    SlucOpakovanyZnak(s, ' ');
    EXPECT_EQ(s, "A B ");
    std::string two = "  ";
    SlucOpakovanyZnak(two, ' ');
    EXPECT_EQ(two, " ");
    std::string edges = "  x  y\t\tz  ";
    SlucOpakovanyZnak(edges, ' ');
    EXPECT_EQ(edges, " x y\t\tz ");
}

TEST(OdstranKonceRadku, RemovesOnlyTrailingBreaks) {
    std::string s = "AB\r\n\r";
    OdstranKonceRadku(s);
    EXPECT_EQ(s, "AB");
    std::string inner = "A\r\nB";
    OdstranKonceRadku(inner);
    EXPECT_EQ(inner, "A\r\nB");
}

TEST(NahradZnak, ReplacesEveryOccurrence) {
    std::string s = "1,5,";
    NahradZnak(s, ',', '.');
    EXPECT_EQ(s, "1.5.");
}

TEST(RozdelRetezec, KeepsInnerEmptyPiecesButNoTrailingOne) {
    Kusy pieces{"stale"};
    RozdelRetezec("a,,b,", ",", &pieces, true);
    EXPECT_EQ(pieces, (Kusy{"a", "", "b"}));
    RozdelRetezec(",a", ",", &pieces, true);
    EXPECT_EQ(pieces, (Kusy{"", "a"}));
    RozdelRetezec("", ",", &pieces, true);
    EXPECT_TRUE(pieces.empty());
    RozdelRetezec("a,,b,", ",", &pieces, false);
    EXPECT_EQ(pieces, (Kusy{"a", "b"}));
    RozdelRetezec(",", ",", &pieces, true);
    EXPECT_EQ(pieces, (Kusy{""}));
    RozdelRetezec("SD 1.2345, 90.0000", " ", &pieces, true);
    EXPECT_EQ(pieces, (Kusy{"SD", "1.2345,", "90.0000"}));
}
