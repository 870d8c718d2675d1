// What becomes of downloaded data outside their window: which commands bring the window, how
// the bytes are split into lines, and how they are saved.
#include "download/NactenaDataSoubor.h"
#include "SlozkaTestu.h"
#include "download/KonecNacteni.h"

#include "ZaznamZprav.h"
#include "common/Cp1250.h"

#include <gmock/gmock.h>

#include <filesystem>

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

class NactenaDataSouborTest : public TSlozkaTestu {};

} // namespace

TEST(NactenaData, AnEndedDownloadIsShownAskedAboutOrDroppedByItsStationAndEnd) {
    const auto n350 = TTypStanice::tsNTS350, n660 = TTypStanice::tsNTS660;
    const auto zobrazit = TNalozeniNacteni::Zobrazit, zeptat = TNalozeniNacteni::Zeptat,
               zahodit = TNalozeniNacteni::Zahodit;
    const std::string s = "STN 1\r\n", sKoncem = s + "\x04\r\n";
    struct TRadek {
        const char* jmeno;
        TTypStanice typ;
        bool preruseno;
        std::string data;
        TNalozeniNacteni ocekavane;
    } radky[] = {
        {"NTS-660 with its end mark", n660, false, sKoncem, zobrazit},
        {"NTS-660 at the size cap", n660, false, s, zobrazit},
        {"NTS-660 aborted after bytes came", n660, true, s, zeptat},
        {"NTS-660 aborted before any byte", n660, true, "", zahodit},
        {"NTS-350 ended by the button", n350, true, s, zobrazit},
        {"NTS-350 ended before any byte", n350, true, "", zahodit},
        {"NTS-350 at the size cap", n350, false, s, zobrazit},
    };
    for (const TRadek& r : radky)
        EXPECT_EQ(NalozeniNacteni(r.typ, r.preruseno, r.data), r.ocekavane) << r.jmeno;
    EXPECT_THAT(TextNeuplnaData(7), HasSubstr(Cz("značku konce dat")));
}

TEST(NactenaData, TheDataNameTheirInstrumentElseTheyAreTheDownloads) {
    const auto n350 = TTypStanice::tsNTS350, n660 = TTypStanice::tsNTS660;
    EXPECT_EQ(TypNactenychDat(n350, "STN 1\r\n"), n350) << "no name";
    EXPECT_EQ(TypNactenychDat(n660, "NTS-350\r\nSTN 1\r\n"), n350) << "named";
    EXPECT_EQ(TypNactenychDat(n350, "NTS-660 JOB\r\n"), n660) << "named, a word follows";
    EXPECT_EQ(TypNactenychDat(n660, "NTS-3500\r\n"), n660) << "not a name";
    EXPECT_EQ(TypNactenychDat(n350, ""), n350) << "empty";
}

TEST(NactenaData, LinesEndAtEveryKindOfLineEndAndNoControlCharacterIsShown) {
    EXPECT_EQ(RadkyNactenychDat("STN 1\r\nSS 2\r\n\x04\r\n"), "STN 1\nSS 2") << "end mark";
    EXPECT_EQ(RadkyNactenychDat("STN 1\r\nSS\x04 2\x04\r\n"), "STN 1\nSS 2");
    EXPECT_EQ(RadkyNactenychDat("\x04\x13"), "");
    EXPECT_EQ(RadkyNactenychDat("a\tb\r\n\x01\r\nc"), "a\tb\n\nc") << "only the last line drops";
    EXPECT_EQ(RadkyNactenychDat("a\rb\nc\r\n\r\nd"), "a\nb\nc\n\nd");
    EXPECT_EQ(RadkyNactenychDat("a\r\n\r\n"), "a\n") << "only the last empty line drops";
    EXPECT_EQ(RadkyNactenychDat(""), "");
    EXPECT_EQ(RadkyNactenychDat(Cz("Měřil: TEAM1\r\n")), Cz("Měřil: TEAM1"));
}

TEST_F(NactenaDataSouborTest, SavedFileHoldsTheReceivedBytesExactly) {
    std::string data = Cz("Zakázka: ULICE 12  Měřil: TEAM1\r\nSTN 1,1.560\r\n");
    data += std::string("\x00\xFF\x80 binary\r\n", 12) + "\x04\r\n";
    TZaznamZprav zpravy;
    const fs::path soubor = slozka_ / "MERENI.sdt";
    ASSERT_TRUE(UlozNactenaData(soubor, data, zpravy));
    EXPECT_EQ(NactiSoubor(soubor), data);
    // Saving again replaces the file as a whole.
    ASSERT_TRUE(UlozNactenaData(soubor, "kratsi\r\n", zpravy));
    EXPECT_EQ(NactiSoubor(soubor), "kratsi\r\n");
    EXPECT_TRUE(zpravy.zpravy.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka_), fs::directory_iterator{}), 1)
        << "no temporary file left behind";
}

TEST_F(NactenaDataSouborTest, FileThatCannotBeWrittenIsReportedByName) {
    TZaznamZprav zpravy;
    EXPECT_FALSE(UlozNactenaData(slozka_ / "chybi" / "a.sdt", "x", zpravy));
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].Druh, TDruhZpravy::dzVyjimka);
    EXPECT_THAT(zpravy.zpravy[0].Text, HasSubstr((slozka_ / "chybi" / "a.sdt").string()));
}
