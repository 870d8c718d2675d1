// The one file replacement on every system (also the Windows build under Wine): the old file
// stays whole until the new one is complete, and nothing of a failed save is left behind.
#include "common/NahradaSouboru.h"
#include "OddeleniTestu.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using ::testing::ElementsAre;

class NahradaSouboruTest : public ::testing::Test {
protected:
    void SetUp() override {
        slozka_ = OddelTestyOdZarizeni() / "merivox-nahrada-";
        slozka_ += ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(slozka_);
        fs::create_directories(slozka_);
    }
    void TearDown() override {
        NastavPoruchuDisku({});
        fs::remove_all(slozka_);
    }
    static std::string Precti(const fs::path& soubor) {
        std::ifstream in(soubor, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Zapis(const fs::path& soubor, const std::string& obsah) {
        std::ofstream(soubor, std::ios::binary) << obsah;
    }
    std::vector<std::string> Soubory() const {
        std::vector<std::string> jmena;
        for (const auto& e : fs::directory_iterator(slozka_))
            jmena.push_back(e.path().filename().string());
        std::sort(jmena.begin(), jmena.end());
        return jmena;
    }
    fs::path slozka_;
};

TEST_F(NahradaSouboruTest, ReplacesWhollyAndLeavesNothingElse) {
    const auto soubor = slozka_ / "a.zap";
    EXPECT_FALSE(NahradSoubor(soubor, "novy\r\n"));
    EXPECT_EQ(Precti(soubor), "novy\r\n");
    // A user's file under the names a save once used is never touched.
    Zapis(slozka_ / "a.zap.tmp", "cizi");
    std::string velky(3 << 20, 'x'); // past the buffer: written in several blocks
    EXPECT_FALSE(NahradSoubor(soubor, velky));
    EXPECT_EQ(Precti(soubor), velky);
    EXPECT_EQ(Precti(slozka_ / "a.zap.tmp"), "cizi");
    EXPECT_THAT(Soubory(), ElementsAre("a.zap", "a.zap.tmp"));
}

TEST_F(NahradaSouboruTest, FullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const auto soubor = slozka_ / "a.zap";
    Zapis(soubor, "stary");
    int bloku = 0;
    NastavPoruchuDisku([&](std::string_view) {
        return ++bloku == 2 ? std::make_error_code(std::errc::no_space_on_device)
                            : std::error_code();
    });
    TNahradaSouboru nahrada(soubor);
    for (int i = 0; i < 4; ++i)
        nahrada.Zapis(std::string(1 << 18, char('a' + i)));
    EXPECT_EQ(nahrada.Dokonci(), std::errc::no_space_on_device);
    EXPECT_EQ(Precti(soubor), "stary");
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
