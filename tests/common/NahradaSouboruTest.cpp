// The one file replacement on every system (also the Windows build under Wine): the old file
// stays whole until the new one is complete, and nothing of a failed save is left behind.
#include "common/NahradaSouboru.h"
#include "SlozkaTestu.h"

#include <gmock/gmock.h>

namespace fs = std::filesystem;
using ::testing::ElementsAre;

class NahradaSouboruTest : public TSlozkaTestu {
protected:
    void TearDown() override {
        NastavPoruchuDisku({});
        TSlozkaTestu::TearDown();
    }
};

TEST_F(NahradaSouboruTest, ReplacesWhollyAndLeavesNothingElse) {
    const auto soubor = slozka_ / "a.zap";
    EXPECT_FALSE(NahradSoubor(soubor, "novy\r\n"));
    EXPECT_EQ(NactiSoubor(soubor), "novy\r\n");
    // A user's file under the names a save once used is never touched.
    ZapisSoubor(slozka_ / "a.zap.tmp", "cizi");
    std::string velky(3 << 20, 'x'); // past the buffer: written in several blocks
    EXPECT_FALSE(NahradSoubor(soubor, velky));
    EXPECT_EQ(NactiSoubor(soubor), velky);
    EXPECT_EQ(NactiSoubor(slozka_ / "a.zap.tmp"), "cizi");
    EXPECT_THAT(Soubory(), ElementsAre("a.zap", "a.zap.tmp"));
}

TEST_F(NahradaSouboruTest, FullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const auto soubor = slozka_ / "a.zap";
    ZapisSoubor(soubor, "stary");
    int bloku = 0;
    NastavPoruchuDisku([&](std::string_view) {
        return ++bloku == 2 ? std::make_error_code(std::errc::no_space_on_device)
                            : std::error_code();
    });
    TNahradaSouboru nahrada(soubor);
    for (int i = 0; i < 4; ++i)
        nahrada.Zapis(std::string(1 << 18, char('a' + i)));
    EXPECT_EQ(nahrada.Dokonci(), std::errc::no_space_on_device);
    EXPECT_EQ(NactiSoubor(soubor), "stary");
    EXPECT_THAT(Soubory(), ElementsAre("a.zap"));
}

TEST_F(NahradaSouboruTest, AFolderOrAMissingFolderIsRefusedAndAnUnfinishedSaveLeavesNothing) {
    fs::create_directory(slozka_ / "slozka");
    EXPECT_EQ(NahradSoubor(slozka_ / "slozka", "x"), std::errc::is_a_directory);
    EXPECT_TRUE(fs::is_empty(slozka_ / "slozka"));
    EXPECT_TRUE(NahradSoubor(slozka_ / "chybi" / "a.zap", "x"));
    {
        TNahradaSouboru nedokoncena(slozka_ / "a.zap");
        nedokoncena.Zapis("polovina");
    }
    EXPECT_THAT(Soubory(), ElementsAre("slozka"));
}

// A writer that learns late about what goes first starts its temporary file again; a device
// has passed its bytes on and cannot.
TEST_F(NahradaSouboruTest, StartingAgainDropsWhatWasWrittenOnlyInATemporaryFile) {
    const auto soubor = slozka_ / "a.zap";
    ZapisSoubor(soubor, "stary");
    TNahradaSouboru nahrada(soubor);
    nahrada.Zapis(std::string(1 << 19, 'x')); // past the buffer: on the disk already
    nahrada.Zapis("abc");
    ASSERT_TRUE(nahrada.ZacniZnovu());
    nahrada.Zapis("novy");
    EXPECT_FALSE(nahrada.Dokonci());
    EXPECT_EQ(NactiSoubor(soubor), "novy");
    EXPECT_THAT(Soubory(), ElementsAre("a.zap"));
    EXPECT_FALSE(nahrada.ZacniZnovu()) << "done";
    if (fs::exists("/dev/null")) {
        TNahradaSouboru zarizeni("/dev/null");
        EXPECT_FALSE(zarizeni.LzeZacitZnovu());
        EXPECT_FALSE(zarizeni.ZacniZnovu());
    }
}
