// Point and code files that are UTF-8, that end like a download, or that are no text at all,
// as the point window, the code window and merivox-cli send --points / --codes read them.
#include "Pomucky.h"
#include "SlozkaTestu.h"
#include "common/Cp1250.h"
#include "upload/SouborBodu.h"
#include "upload/SouborKodu.h"
#include "upload/ZapisTextu.h"

#include <gtest/gtest.h>

namespace {

struct TPripadTabulky {
    const char* Jmeno;
    std::string Obsah;
    TRadky Body;             // the point table afterwards (UTF-8)
    std::string Zprava = {}; // the error box (UTF-8, "@" for the file); empty: none
};

std::ostream& operator<<(std::ostream& os, const TPripadTabulky& p) {
    return os << p.Jmeno;
}

const TPripadTabulky kTabulky[] = {
    {.Jmeno = "Utf8WithByteOrderMark",
     .Obsah = "\xEF\xBB\xBF"
              "1,2,3,4,* k\xC3\xB3ta\r\n",
     .Body = {{"1", "2", "3", "4", " kóta"}}},
    {.Jmeno = "Utf8WithoutByteOrderMark",
     .Obsah = "1,2,3,4,* \xC5\xBDIVOTN\xC3\x8D\r\n",
     .Body = {{"1", "2", "3", "4", " ŽIVOTNÍ"}}},
    {.Jmeno = "Cp1250StaysCp1250",
     .Obsah = Cz("1,2,3,4,* kóta\r\n"),
     .Body = {{"1", "2", "3", "4", " kóta"}}},
    {.Jmeno = "TheEndMarkOfADownloadIsNoRow",
     .Obsah = "1,2,3,4\r\n\x04\r\n",
     .Body = {{"1", "2", "3", "4", ""}}},
    {.Jmeno = "BinaryIsRefusedAndTheTableReset",
     .Obsah = std::string("\x89PNG\r\n\x1A\n\0\0", 10),
     .Body = {{"", "", "", "", ""}},
     .Zprava = "Soubor \"@\" není textový soubor: řádek 2 obsahuje řídicí znak 1Ah. Soubor nebyl "
               "načten."},
};

class TabulkaZeSouboru : public TSlozkaTestu,
                         public ::testing::WithParamInterface<TPripadTabulky> {};

} // namespace

TEST_P(TabulkaZeSouboru, IsReadAsTextOrRefused) {
    const TPripadTabulky& p = GetParam();
    const auto soubor = slozka_ / "body.asc";
    ZapisSoubor(soubor, p.Obsah);
    auto body = TabulkaZRadku<TTabulkaBodu>({{"x"}, {"y"}});
    TZaznamZprav zpravy;
    EXPECT_EQ(OhlasChybu(NactiSouborTabulky(soubor, body, NactiBody), zpravy), p.Zprava.empty());
    EXPECT_EQ(RadkyTabulky(body), p.Body);
    std::vector<TZaznamZprav::TZprava> ocekavane;
    if (!p.Zprava.empty()) {
        std::string text = p.Zprava;
        text.replace(text.find('@'), 1, soubor.string());
        ocekavane.push_back({TDruhZpravy::dzVyjimka, Cz(text.c_str())});
    }
    EXPECT_EQ(zpravy.zpravy, ocekavane);
    // The code window reads through the same door.
    TTabulkaKodu kody;
    EXPECT_EQ(NactiSouborTabulky(soubor, kody, NactiKody).has_value(), !p.Zprava.empty());
}

INSTANTIATE_TEST_SUITE_P(Pripady, TabulkaZeSouboru, ::testing::ValuesIn(kTabulky),
                         [](const auto& pripad) { return std::string(pripad.param.Jmeno); });

// The text merivox-cli send sends as it stands: characters that speak to the station in the
// conversation itself are refused with their line; UTF-8 reaches the line as the code page.
TEST_F(TSlozkaTestu, TextToSendRefusesConversationCharactersByLine) {
    const auto soubor = slozka_ / "text.txt";
    for (const auto& [obsah, zprava] : std::vector<std::pair<std::string, std::string>>{
             {"A\r\nB\x04X\r\n", "Řádek 2 souboru \"@\" obsahuje řídicí znak EOT (04h)"},
             {"A\x11\r\n", "Řádek 1 souboru \"@\" obsahuje řídicí znak DC1 (11h)"},
             {"A\r\nB\r\nC\x13\r\n", "Řádek 3 souboru \"@\" obsahuje řídicí znak DC3 (13h)"},
             {"A\r\n\x04\r\n", "Řádek 2 souboru \"@\" obsahuje řídicí znak EOT (04h)"},
             {std::string("A\0\r\n", 4), "Soubor \"@\" není textový soubor: řádek 1"},
         }) {
        SCOPED_TRACE(zprava);
        ZapisSoubor(soubor, obsah);
        TZaznamZprav zpravy;
        EXPECT_FALSE(PripravZapisTextu(soubor, zpravy));
        ASSERT_EQ(zpravy.zpravy.size(), 1u);
        EXPECT_EQ(zpravy.zpravy[0].Druh, TDruhZpravy::dzChyba);
        std::string text = zprava;
        text.replace(text.find('@'), 1, soubor.string());
        text = Cz(text.c_str());
        EXPECT_EQ(zpravy.zpravy[0].Text.substr(0, text.size()), text);
    }
    ZapisSoubor(soubor, "K\xC3\xB3"
                        "d\r\n");
    TZaznamZprav zpravy;
    EXPECT_EQ(PripravZapisTextu(soubor, zpravy), Cz("Kód\r\n"));
}
