// Which bytes of a user's file are text, in which encoding, and what reaches the program.
#include "common/RozpoznaniTextu.h"
#include "common/Cp1250.h"

#include <gtest/gtest.h>

namespace {

using TDruh = TVadaTextu::TDruh;

struct TPripad {
    const char* Jmeno;
    std::string Vstup;
    TKonecStahovani Eot = TKonecStahovani::ksPonechat;
    std::string Vysledek = {};      // the text the program reads (cp1250), when accepted
    std::optional<TDruh> Vada = {}; // or the fault
    std::size_t Radek = 0;
    char32_t Znak = 0;
};

std::ostream& operator<<(std::ostream& os, const TPripad& p) {
    return os << p.Jmeno;
}

const TPripad kPripady[] = {
    {.Jmeno = "AsciiStaysAsItIs",
     .Vstup = "NTS-660\r\nSTN 1,1.500\tx\r\n",
     .Vysledek = "NTS-660\r\nSTN 1,1.500\tx\r\n"},
    {.Jmeno = "Cp1250CzechLettersAreNotTakenForUtf8",
     .Vstup = Cz("1,2,3,4,kóta ŽIVOTNÍ PROSTŘEDÍ\r\nČŠ\r\n"),
     .Vysledek = Cz("1,2,3,4,kóta ŽIVOTNÍ PROSTŘEDÍ\r\nČŠ\r\n")},
    {.Jmeno = "Utf8IsConverted",
     .Vstup = "1,2,3,4,k\xC3\xB3ta\r\n",
     .Vysledek = Cz("1,2,3,4,kóta\r\n")},
    {.Jmeno = "Utf8ByteOrderMarkIsDropped",
     .Vstup = "\xEF\xBB\xBFNTS-660\r\n",
     .Vysledek = "NTS-660\r\n"},
    {.Jmeno = "Utf8CharacterCp1250LacksNamesItsLine",
     .Vstup = "a\r\nb\r\n\xD0\x96\r\n",
     .Vada = TDruh::dvZnakMimoCp1250,
     .Radek = 3,
     .Znak = 0x416},
    {.Jmeno = "ByteOrderMarkThenNoUtf8",
     .Vstup = "\xEF\xBB\xBF"
              "a\r\nk\xF3ta\r\n",
     .Vada = TDruh::dvNeplatneUtf8,
     .Radek = 2},
    {.Jmeno = "OverlongUtf8IsNoUtf8", .Vstup = "\xC0\xAF\r\n", .Vysledek = "\xC0\xAF\r\n"},
    {.Jmeno = "NulIsNoText",
     .Vstup = std::string("ab\r\nc\0d\r\n", 8),
     .Vada = TDruh::dvRidiciZnak,
     .Radek = 2,
     .Znak = 0},
    {.Jmeno = "DelIsNoText",
     .Vstup = "a\x7F\r\n",
     .Vada = TDruh::dvRidiciZnak,
     .Radek = 1,
     .Znak = 0x7F},
    {.Jmeno = "LastLineEotIsKept", .Vstup = "a\r\n\x04\r\n", .Vysledek = "a\r\n\x04\r\n"},
    {.Jmeno = "LastLineEotIsDropped",
     .Vstup = "a\r\n\x04\r\n\r\n",
     .Eot = TKonecStahovani::ksVynechat,
     .Vysledek = "a\r\n"},
    {.Jmeno = "LastLineEotIsRefused",
     .Vstup = "a\r\n\x04\r\n",
     .Eot = TKonecStahovani::ksOdmitnout,
     .Vada = TDruh::dvRidiciZnak,
     .Radek = 2,
     .Znak = 4},
    {.Jmeno = "EotFollowedByTextIsNoText",
     .Vstup = "\x04\r\na\r\n",
     .Vada = TDruh::dvRidiciZnak,
     .Radek = 1,
     .Znak = 4},
    {.Jmeno = "Dc1InsideALineIsNoText",
     .Vstup = "a\x11"
              "b\r\n",
     .Vada = TDruh::dvRidiciZnak,
     .Radek = 1,
     .Znak = 0x11},
};

class RozpoznaniTextu : public ::testing::TestWithParam<TPripad> {};

} // namespace

TEST_P(RozpoznaniTextu, ReadsTextAndRefusesTheRest) {
    const TPripad& p = GetParam();
    std::string text = p.Vstup;
    const auto vada = PrevedNaCp1250(text, p.Eot);
    if (!p.Vada) {
        EXPECT_FALSE(vada);
        EXPECT_EQ(text, p.Vysledek);
        return;
    }
    ASSERT_TRUE(vada);
    EXPECT_EQ(vada->Druh, *p.Vada);
    EXPECT_EQ(vada->Radek, p.Radek);
    EXPECT_EQ(vada->Znak, p.Znak);
}

INSTANTIATE_TEST_SUITE_P(Pripady, RozpoznaniTextu, ::testing::ValuesIn(kPripady),
                         [](const auto& pripad) { return std::string(pripad.param.Jmeno); });

TEST(RozpoznaniTextu_, MessagesNameTheFileTheLineAndTheCharacter) {
    EXPECT_EQ(Cp1250NaUtf8(TextVadyTextu("a.sdt", {TDruh::dvRidiciZnak, 7, 0})),
              "Soubor \"a.sdt\" není textový soubor: řádek 7 obsahuje řídicí znak 00h.");
    EXPECT_EQ(Cp1250NaUtf8(TextVadyTextu("a.asc", {TDruh::dvZnakMimoCp1250, 2, 0x416})),
              "Soubor \"a.asc\" je v kódování UTF-8 a řádek 2 obsahuje znak U+0416, který "
              "kódování programu (cp1250, středoevropské) nemá.");
}

// The quick check over a whole file: any byte the line-by-line check would look at closer
// makes it say no, wherever it stands (in a block of sixty-four or sixteen, or in the rest).
TEST(JenProstyText, OnlyPrintableAsciiTabsAndLineEnds) {
    std::string prosty;
    while (prosty.size() < 150)
        prosty += "NTS-660\r\nSTN 1,1.5\tX~\nSS 2 \r\n";
    EXPECT_TRUE(JenProstyText(""));
    for (std::size_t delka = 0; delka <= prosty.size(); ++delka)
        EXPECT_TRUE(JenProstyText(std::string_view(prosty).substr(0, delka))) << delka;
    for (int bajt = 0; bajt < 256; ++bajt) {
        const bool povoleny =
            (bajt >= 0x20 && bajt < 0x7F) || bajt == '\t' || bajt == '\r' || bajt == '\n';
        for (const std::size_t kde : {0, 15, 16, 47, 63, 64, 100, 127, 128, 149}) {
            std::string text = prosty;
            text[kde] = char(bajt);
            EXPECT_EQ(JenProstyText(text), povoleny) << bajt << " at " << kde;
        }
    }
}
