#include "Pomucky.h"
#include "SlozkaTestu.h"
#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/NahradaSouboru.h"
#include "upload/SouborBodu.h"
#include "upload/SouborKodu.h"
#include "upload/ZapisZeSouboru.h"

#include <gmock/gmock.h>

#include <stdexcept>

using ::testing::ElementsAre;
using ::testing::StartsWith;

class SouborDat : public TSlozkaTestu {};

TEST_F(SouborDat, SavedPointFileHoldsExactlyTheTextAndNothingElseIsLeft) {
    const auto soubor = slozka_ / "body.asc";
    auto body = TabulkaZRadku<TTabulkaBodu>(
        {{"1", "512.34", "108.25", "250.3", ""}, {"2", "530", "112", "251", "roh"}});
    EXPECT_FALSE(ZapisObsahSouboru(soubor, TextSouboruBodu(body)));
    EXPECT_EQ(NactiSoubor(soubor), "1,512.34,108.25,250.3\r\n2,530,112,251,* roh\r\n");
    EXPECT_THAT(Soubory(), ElementsAre("body.asc"));

    TTabulkaBodu zpet;
    EXPECT_FALSE(NactiSouborTabulky(soubor, zpet, NactiBody));
    EXPECT_EQ(zpet.Bunka(2, TTabulkaBodu::sbPoznamka), " roh");
}

TEST_F(SouborDat, SavingReplacesAnExistingFileWholly) {
    const auto soubor = slozka_ / "kody.cod";
    ZapisSoubor(soubor, std::string(5000, 'x'));
    auto kody = TabulkaZRadku<TTabulkaKodu>({{"body", "roh"}});
    EXPECT_FALSE(ZapisObsahSouboru(soubor, TextSouboruKodu(kody)));
    EXPECT_EQ(NactiSoubor(soubor), "BODY,roh\r\n");
}

TEST_F(SouborDat, MissingFileSaysCannotOpenWithItsNameAndLeavesTheTableReset) {
    const auto soubor = slozka_ / "neni.asc";
    auto body = TabulkaZRadku<TTabulkaBodu>({{"1"}, {"2"}});
    TZaznamZprav zpravy;
    EXPECT_FALSE(OhlasChybu(NactiSouborTabulky(soubor, body, NactiBody), zpravy));
    EXPECT_EQ(RadkyTabulky(body), (TRadky{{"", "", "", "", ""}}));
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].Druh, TDruhZpravy::dzVyjimka);
    // The system's reason follows in parentheses, in its own words on each system.
    EXPECT_THAT(zpravy.zpravy[0].Text,
                StartsWith(Cz("Soubor \"") + TextCesty(soubor) + Cz("\" nelze přečíst (")));
}

TEST_F(SouborDat, AFolderCannotBeReadAsAFile) {
    auto kody = TabulkaZRadku<TTabulkaKodu>({{"a", "b"}});
    const auto chyba = NactiSouborTabulky(slozka_, kody, NactiKody);
    ASSERT_TRUE(chyba);
    EXPECT_EQ(chyba->Text(),
              TextNelzeCist(slozka_, std::make_error_code(std::errc::is_a_directory)));
    EXPECT_EQ(RadkyTabulky(kody), (TRadky{{"", ""}}));
}

TEST_F(SouborDat, SavingIntoAMissingFolderSaysCannotCreate) {
    const auto soubor = slozka_ / "neni" / "body.asc";
    TZaznamZprav zpravy;
    EXPECT_FALSE(OhlasChybu(
        ZapisObsahSouboru(soubor, TextSouboruBodu(TabulkaZRadku<TTabulkaBodu>({{"1"}}))), zpravy));
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].Druh, TDruhZpravy::dzVyjimka);
    EXPECT_THAT(zpravy.zpravy[0].Text,
                StartsWith(Cz("Soubor \"") + TextCesty(soubor) + Cz("\" nelze vytvořit (")));
    EXPECT_FALSE(std::filesystem::exists(soubor));
}

TEST_F(SouborDat, AWriteThatFailsHalfWayKeepsTheOldFileAndRemovesTheTemporaryOne) {
    const auto soubor = slozka_ / "body.asc";
    ZapisSoubor(soubor, "1,2,3,4\r\n");
    NastavPoruchuDisku(
        [](std::string_view) { return std::make_error_code(std::errc::no_space_on_device); });
    const auto chyba = ZapisObsahSouboru(soubor, "novy obsah");
    NastavPoruchuDisku({});
    ASSERT_TRUE(chyba);
    EXPECT_EQ(chyba->Text(),
              TextNelzeZapsat(soubor, std::make_error_code(std::errc::no_space_on_device)));
    EXPECT_EQ(NactiSoubor(soubor), "1,2,3,4\r\n");
    EXPECT_THAT(Soubory(), ElementsAre("body.asc"));
}

TEST_F(SouborDat, AReplacementThatFailsKeepsWhatStoodThere) {
    // A folder under the chosen name cannot be replaced by a file.
    const auto soubor = slozka_ / "body.asc";
    std::filesystem::create_directory(soubor);
    ZapisSoubor(soubor / "uvnitr", "x");
    const auto chyba =
        ZapisObsahSouboru(soubor, TextSouboruBodu(TabulkaZRadku<TTabulkaBodu>({{"1"}})));
    ASSERT_TRUE(chyba);
    EXPECT_EQ(chyba->Text(),
              TextNelzeVytvorit(soubor, std::make_error_code(std::errc::is_a_directory)));
    EXPECT_EQ(NactiSoubor(soubor / "uvnitr"), "x");
    EXPECT_THAT(Soubory(), ElementsAre("body.asc"));
}

TEST_F(SouborDat, ATemporaryNameInUseIsNotOverwritten) {
    const auto soubor = slozka_ / "body.asc";
    ZapisSoubor(slozka_ / "body.asc.tmp", "cizi");
    EXPECT_FALSE(ZapisObsahSouboru(soubor, TextSouboruBodu(TabulkaZRadku<TTabulkaBodu>({{"1"}}))));
    EXPECT_EQ(NactiSoubor(slozka_ / "body.asc.tmp"), "cizi");
    EXPECT_EQ(NactiSoubor(soubor), "1,,,\r\n");
}

TEST_F(SouborDat, CzechFileNameIsShownInCp1250) {
    const auto soubor = slozka_ / std::filesystem::path(u8"chybí/body.asc");
    const auto chyba =
        ZapisObsahSouboru(soubor, TextSouboruBodu(TabulkaZRadku<TTabulkaBodu>({{"1"}})));
    ASSERT_TRUE(chyba);
    EXPECT_THAT(Cp1250NaUtf8(chyba->Text()),
                StartsWith("Soubor \"" + soubor.string() + "\" nelze vytvořit ("));
}

// merivox-cli's path: the file read as the window reads it, then the checked upload text.
TEST_F(SouborDat, UploadTextsFromFiles) {
    ZapisSoubor(slozka_ / "body.asc", "1 1000.000 2000.000 300.000 * KOD\r\n");
    ZapisSoubor(slozka_ / "kody.cod", "body,roh\r\n");
    TZaznamZprav zpravy;
    EXPECT_EQ(PripravZapisSouboruBodu(slozka_ / "body.asc", false, zpravy),
              "1,2000.000,1000.000,300.000,KOD,\r\n");
    EXPECT_EQ(PripravZapisSouboruBodu(slozka_ / "body.asc", true, zpravy),
              "1,1000.000,2000.000,300.000,KOD,\r\n");
    EXPECT_EQ(PripravZapisSouboruKodu(slozka_ / "kody.cod", zpravy), "ROH,1,BODY\r\n");
    // The point file is split at blanks, and each read says so; the code file has commas.
    const auto mezera =
        TZaznamZprav::Utf8(TDruhZpravy::dzInformace, "Oddělovač polí v souboru: mezera");
    EXPECT_EQ(zpravy.zpravy, (std::vector{mezera, mezera}));
    zpravy.zpravy.clear();

    // A missing file gives its own message only, not "no data" as well.
    EXPECT_EQ(PripravZapisSouboruKodu(slozka_ / "neni.cod", zpravy), std::nullopt);
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].Druh, TDruhZpravy::dzVyjimka);
}
