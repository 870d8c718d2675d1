#include "common/VerzeSouboru.h"
#include "OddeleniTestu.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void PridejLE16(std::string& s, unsigned v) {
    s += char(v & 0xFF);
    s += char(v >> 8 & 0xFF);
}
void PridejLE32(std::string& s, std::uint32_t v) {
    PridejLE16(s, v & 0xFFFF);
    PridejLE16(s, v >> 16);
}

// A version resource root block written out byte by byte as Windows lays it down, so that
// the test does not share the reader's idea of the layout.
std::string Zaznam(std::uint32_t produktMS, std::uint32_t produktLS,
                   std::uint32_t podpis = 0xFEEF04BD) {
    std::string s;
    PridejLE16(s, 92);
    PridejLE16(s, 52);
    PridejLE16(s, 0);
    for (char c : std::string("VS_VERSION_INFO"))
        PridejLE16(s, unsigned(c));
    PridejLE16(s, 0); // terminating zero of the key
    PridejLE16(s, 0); // padding to 32 bits
    PridejLE32(s, podpis);
    PridejLE32(s, 0x00010000);
    PridejLE32(s, 0x00090008); // file version 9.8.7.6: must not be taken for the product's
    PridejLE32(s, 0x00070006);
    PridejLE32(s, produktMS);
    PridejLE32(s, produktLS);
    for (int i = 0; i < 7; ++i)
        PridejLE32(s, 0);
    return s;
}

class VerzeSouboruTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        if (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())
                .rfind("Date", 0) != 0)
            GTEST_SKIP() << "Windows reads the VERSIONINFO resource of a program file through "
                            "the system; a bare record in a data file is what only the "
                            "scanning reader of other systems finds";
#endif
        soubor_ = OddelTestyOdZarizeni() /
                  ("merivox-verze-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    }
    void TearDown() override {
        fs::remove(soubor_);
    }
    void Zapis(const std::string& obsah) {
        std::ofstream(soubor_, std::ios::binary) << obsah;
    }
    fs::path soubor_;
};

} // namespace

TEST_F(VerzeSouboruTest, ProductVersionWordsAreReadHighThenLow) {
    Zapis(std::string(1000, 'x') + Zaznam(0x00020000, 0x00000004) + "tail");
    EXPECT_EQ(VerzeSouboru(soubor_), "2.0.0.4");
    Zapis(Zaznam(0x00010002, 0x0003FFFF));
    EXPECT_EQ(VerzeSouboru(soubor_), "1.2.3.65535");
}

TEST_F(VerzeSouboruTest, FileWithoutRecordOrUnreadableGivesEmptyText) {
    Zapis("just some bytes without any version");
    EXPECT_EQ(VerzeSouboru(soubor_), "");
    EXPECT_EQ(VerzeSouboru(soubor_.string() + "-missing"), "");
    EXPECT_EQ(VerzeSouboru(OddelTestyOdZarizeni()), "") << "a folder";
    // A key without the fixed part's signature is no record (the reader carries the key
    // itself as its search text); a record cut off by the end of the file neither.
    const std::string bezPodpisu = Zaznam(0x00050000, 0, 0x12345678);
    Zapis(bezPodpisu + Zaznam(0x00020000, 0x00000004).substr(0, 60));
    EXPECT_EQ(VerzeSouboru(soubor_), "");
    Zapis(bezPodpisu + Zaznam(0x00020000, 0x00000004));
    EXPECT_EQ(VerzeSouboru(soubor_), "2.0.0.4") << "the first valid record counts";
}

TEST_F(VerzeSouboruTest, RecordStraddlingTheReadBlocksIsFound) {
    // The reader takes the file in 64 KiB blocks; put the record across every position of
    // a boundary's neighbourhood.
    for (std::size_t posun : {65536u - 92u, 65536u - 46u, 65536u - 1u, 65536u, 131072u - 7u}) {
        Zapis(std::string(posun, '\0') + Zaznam(0x00020000, 0x00000004));
        EXPECT_EQ(VerzeSouboru(soubor_), "2.0.0.4") << posun;
    }
}

TEST_F(VerzeSouboruTest, DateIsDaysSince30December1899InUtc) {
    using namespace std::chrono;
    Zapis("x");
    fs::last_write_time(soubor_, file_clock::from_sys(sys_seconds{sys_days{1970y / 1 / 1}}));
    EXPECT_DOUBLE_EQ(DatumSouboru(soubor_), 25569.0);
    fs::last_write_time(soubor_, file_clock::from_sys(sys_seconds{sys_days{2024y / 3 / 15} + 18h}));
    EXPECT_DOUBLE_EQ(DatumSouboru(soubor_), 45366.75);
    EXPECT_THROW(DatumSouboru(soubor_.string() + "-missing"), fs::filesystem_error);
}

TEST(DatumZCasuSouboru, CountsFrom1601) {
    EXPECT_DOUBLE_EQ(DatumZCasuSouboru(109205LL * 864000000000LL), 0.0); // 30 Dec 1899
    EXPECT_DOUBLE_EQ(DatumZCasuSouboru(109205LL * 864000000000LL - 432000000000LL), -0.5);
}
