// The conversation record: bounded in memory and on disk, and never a reason to fail.
#include "link/ZaznamKomunikace.h"
#include "link/SouborZaznamu.h"

#include "SlozkaTestu.h"
#include "common/Cp1250.h"
#include "common/Slozky.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(ZaznamKomunikace, ALargeDownloadKeepsItsFirstAndLastBytesAndTheirCount) {
    TZaznamKomunikace z;
    z.Zacni("Port: COM5\n");
    // Each piece a second after the one before: separate bursts.
    auto kdy = std::chrono::steady_clock::now();
    auto dalsi = [&] {
        return kdy += std::chrono::seconds(1);
    };
    z.Pridej(true, std::string("AB\r\n"), dalsi());
    std::string data;
    for (int i = 0; i < 100000; ++i)
        data += static_cast<char>('a' + i % 26);
    for (size_t i = 0; i < data.size(); i += 700)
        z.Pridej(false, std::string_view(data).substr(i, 700), dalsi());
    z.Pridej(false, std::string("\x04\r\n"), dalsi());
    const std::string text = z.Ukonci("hotovo");
    EXPECT_FALSE(z.Bezi());
    EXPECT_EQ(text.rfind("=== ", 0), 0u);
    EXPECT_NE(text.find("Port: COM5\n"), std::string::npos);
    EXPECT_NE(text.find("PC->     4 B | 41 42 0D 0A"), std::string::npos) << "hex";
    EXPECT_NE(text.find("| AB..\n"), std::string::npos) << "printable";
    EXPECT_NE(text.find("->PC   700 B | 61 62 63"), std::string::npos) << "the first receipt";
    EXPECT_NE(text.find("->PC     3 B | 04 0D 0A"), std::string::npos) << "the last receipt";
    const size_t vynechano = 100000 + 3 - 2 * TZaznamKomunikace::kKraj + 4;
    EXPECT_NE(text.find(Cz("vynecháno ") + std::to_string(vynechano) + Cz(" bajtů")),
              std::string::npos);
    EXPECT_NE(text.find(Cz("Konec: hotovo; odesláno 4 B, přijato 100003 B\n")), std::string::npos);
    EXPECT_LT(text.size(), 12 * TZaznamKomunikace::kKraj) << "bounded, whatever came";
    EXPECT_EQ(z.Ukonci("znovu"), "") << "a record ends once";
}

TEST(ZaznamKomunikace, OneBurstIsOneEntryAndItsTextIsThatOfTheCodePage) {
    TZaznamKomunikace z;
    z.Zacni("");
    const auto t = std::chrono::steady_clock::now();
    using std::chrono::milliseconds;
    z.Pridej(false, "11=1 ", t);
    z.Pridej(false, "\xE8\x9A\x04", t + milliseconds(10)); // "čš" EOT, the same burst
    z.Pridej(true, "OK", t + milliseconds(20));            // the other direction
    z.Pridej(true, "!", t + milliseconds(500));            // after a pause
    z.Poznamka("chyba linky: parita", t + milliseconds(510));
    const std::string text = z.Ukonci("x");
    EXPECT_NE(text.find("    +0.510 s   ! chyba linky: parita\n"), std::string::npos) << text;
    EXPECT_NE(text.find("->PC     8 B | 31 31 3D 31 20 E8 9A 04"), std::string::npos) << text;
    EXPECT_NE(text.find("| 11=1 \xE8\x9A.\n"), std::string::npos) << text;
    EXPECT_NE(text.find("PC->     2 B | 4F 4B"), std::string::npos) << text;
    EXPECT_NE(text.find("PC->     1 B | 21"), std::string::npos) << text;
}

class SouborZaznamu : public TSlozkaTestu {};

TEST_F(SouborZaznamu, KeepsTheLastRecordsWithOneOlderFileAndNeverRaises) {
    const fs::path log = slozka_ / "Merivox-komunikace.log";
    const std::string zaznam(300, 'x');
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(PripojZaznam(log, zaznam, 1000));
    EXPECT_EQ(fs::file_size(log), 900u);
    EXPECT_FALSE(fs::exists(slozka_ / "Merivox-komunikace.log.1"));
    ASSERT_TRUE(PripojZaznam(log, std::string(300, 'y'), 1000));
    EXPECT_EQ(NactiSoubor(log), std::string(300, 'y'));
    EXPECT_EQ(NactiSoubor(slozka_ / "Merivox-komunikace.log.1"), zaznam + zaznam + zaznam);
    ASSERT_TRUE(PripojZaznam(log, std::string(900, 'z'), 1000));
    EXPECT_EQ(NactiSoubor(slozka_ / "Merivox-komunikace.log.1"), std::string(300, 'y'))
        << "only one older file";

    EXPECT_FALSE(PripojZaznam(slozka_ / "neni" / "x.log", zaznam));
    EXPECT_FALSE(PripojZaznam(slozka_, zaznam)) << "a folder in the way";

    // The older file cannot be replaced (a folder holds its name): the log starts again
    // rather than grow past its bound.
    fs::remove(slozka_ / "Merivox-komunikace.log.1");
    fs::create_directories(slozka_ / "Merivox-komunikace.log.1" / "x");
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(PripojZaznam(log, zaznam, 1000));
    EXPECT_LE(fs::file_size(log), 1000u);
}

TEST_F(SouborZaznamu, LiesBesideTheSettingsFileNeverInAFolderOfItsName) {
    for (const fs::path& nastaveni : {slozka_ / "Merivex.ini", slozka_ / "nastaveni/"}) {
        PrepisCestuNastaveni(nastaveni);
        EXPECT_EQ(VychoziSouborZaznamu(), slozka_ / "Merivox-komunikace.log") << nastaveni;
    }
    PrepisCestuNastaveni(NastaveniTestu());
}
