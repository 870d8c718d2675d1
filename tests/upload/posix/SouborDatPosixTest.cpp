// Saving where POSIX systems can show what matters: a save cut short by the system (here by
// the file-size limit, as a full disk would) leaves the user's earlier file as it was, and a
// save through a symbolic link replaces the linked file, keeping its permissions.
#include "../Pomucky.h"
#include "OmezeniVelikosti.h"
#include "SlozkaTestu.h"
#include "upload/SouborBodu.h"

#include <gmock/gmock.h>

class SouborDatPosix : public TSlozkaTestu {};

TEST_F(SouborDatPosix, SaveCutShortKeepsTheOldFileAndSaysWhy) {
    const auto soubor = slozka_ / "body.asc";
    ZapisSoubor(soubor, "1,2,3,4\r\n");
    TRadky radky;
    for (int i = 0; i < 2000; ++i)
        radky.push_back({std::to_string(i), "1000.000", "2000.000", "300.000", "poznamka"});
    const auto body = TabulkaZRadku<TTabulkaBodu>(radky);

    std::optional<TChybaSouboru> chyba;
    {
        TOmezeniVelikosti omezeni(4096);
        chyba = ZapisObsahSouboru(soubor, TextSouboruBodu(body));
    }
    ASSERT_TRUE(chyba);
    EXPECT_EQ(chyba->Text(),
              TextNelzeZapsat(soubor, std::error_code(EFBIG, std::generic_category())));
    EXPECT_EQ(NactiSoubor(soubor), "1,2,3,4\r\n");
    EXPECT_THAT(Soubory(), ::testing::ElementsAre("body.asc"));
}

TEST_F(SouborDatPosix, SavingThroughALinkReplacesTheLinkedFileAndKeepsItsPermissions) {
    const auto soubor = slozka_ / "body.asc";
    const auto odkaz = slozka_ / "odkaz.asc";
    ZapisSoubor(soubor, "stare\r\n");
    std::filesystem::permissions(soubor, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read);
    std::filesystem::create_symlink(soubor, odkaz);
    EXPECT_FALSE(ZapisObsahSouboru(odkaz, TextSouboruBodu(TabulkaZRadku<TTabulkaBodu>({{"1"}}))));
    EXPECT_TRUE(std::filesystem::is_symlink(odkaz));
    EXPECT_EQ(NactiSoubor(soubor), "1,,,\r\n");
    EXPECT_EQ(std::filesystem::status(soubor).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}
