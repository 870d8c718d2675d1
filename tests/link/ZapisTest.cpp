// Sends through the real driver to the simulated station: the conversation byte by byte, and
// every way a station can fail to finish it.
#include "SlozkaTestu.h"
#include "TestKomunikace.h"

#include <atomic>
#include <thread>

using namespace std::chrono_literals;

namespace {

struct ZapisTest : KomunikaceTest {
    // The station side of a send, scripted: everything the program wrote, in order.
    std::string zapsano;
    bool CekejNa(const std::string& konec) {
        const auto limit = std::chrono::steady_clock::now() + 10s;
        while (!KonciNa(zapsano, konec)) {
            if (std::chrono::steady_clock::now() > limit)
                return false;
            zapsano += stanice->Prijmi(20ms);
        }
        return true;
    }
    std::jthread stanicniVlakno;
};

} // namespace

TEST_F(ZapisTest, ThreeLinesMakeTheExactConversation) {
    Vytvor();
    // Line 2's acknowledgement comes in two receipts, line 3's after bytes that are no part
    // of it; only the tail of what came counts.
    stanicniVlakno = std::jthread([this] {
        if (!CekejNa("line 1\r\n"))
            return;
        stanice->PosliHned(Potvrzeni);
        if (!CekejNa("line 2\r\n"))
            return;
        const int predDc3 = Prijmu();
        stanice->PosliHned({DC3});
        if (!CekejNaDriver([&] { return prijmu > predDc3; }))
            return;
        stanice->PosliHned({DC1});
        if (!CekejNa("line 3\r\n"))
            return;
        stanice->PosliHned("??" + Potvrzeni);
        if (!CekejNa({EOT}))
            return;
        stanice->PosliHned(std::string("OK") + DC3);
        if (!CekejNa(std::string{EOT} + "\r\n"))
            return;
        zapsano += stanice->Prijmi(100ms); // nothing may follow
    });
    driver->AddCommand(PrikazZapis, "line 1\r\nline 2\nline 3\r\n");
    ASSERT_TRUE(CekejNaKonce(1));
    stanicniVlakno.join();
    EXPECT_EQ(zapsano, "line 1\r\nline 2\r\nline 3\r\n\x04\r\n");
    EXPECT_TRUE(konce[0].ok);
    EXPECT_EQ(konce[0].typ, PrikazZapis);
    EXPECT_FALSE(konce[0].preruseno);
    EXPECT_EQ(konce[0].data, std::string("OK") + DC3) << "what came after the last line";
    EXPECT_EQ(vyprseni, 0);
    EXPECT_FALSE(driver->Port().Active());
    EXPECT_EQ(prubeh, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
}

TEST_F(ZapisTest, ASilentStationEndsTheSendAtTheFourthExpiry) {
    Vytvor();
    driver->AddCommand(PrikazZapis, "1 100.00 200.00 300.00\r\n2 0 0 0\r\n");
    // The clock moves on once the line is out (the port's close would cut it off).
    const std::string prvni = "1 100.00 200.00 300.00\r\n";
    ASSERT_EQ(stanice->Prijmi(5s, prvni.size()), prvni);
    Vyprs(3);
    EXPECT_TRUE(konce.empty());
    EXPECT_TRUE(driver->Port().Active());
    Vyprs(1);
    ASSERT_EQ(konce.size(), 1u);
    EXPECT_FALSE(konce[0].ok);
    EXPECT_EQ(konce[0].typ, PrikazZapis);
    EXPECT_EQ(konce[0].data, "");
    EXPECT_EQ(konce[0].vyprseni, 4);
    EXPECT_EQ(stanice->Prijmi(1ms), "") << "the first line only";
    EXPECT_FALSE(driver->Port().Active());
    EXPECT_EQ(driver->PocetPrikazu(), 0);
    EXPECT_EQ(prubeh, (std::vector<std::pair<int, int>>{{0, 2}}));
    Vyprs(5);
    EXPECT_EQ(konce.size(), 1u) << "the timer reports nothing after the end";
}

// A station that answers, but never with what ends the conversation, must not hold the send
// for ever: the response timer runs on through such answers. The clock moves on only after
// the driver has been handed the answer; the chatter comes between every half interval.
TEST_F(ZapisTest, AnswersThatNeverCompleteEndTheSendByTimeOut) {
    TSimNastaveni polovicni = Rychla();
    polovicni.UriznutePotvrzeni = true;
    TSimNastaveni bezDc3 = Rychla();
    bezDc3.OdpovedNaEot = "OK";
    const std::pair<const char*, TSimNastaveni> pripady[] = {{"half acknowledgements", polovicni},
                                                             {"no DC3 after EOT", bezDc3}};
    for (const auto& [nazev, nastaveniStanice] : pripady) {
        SCOPED_TRACE(nazev);
        konce.clear();
        zpravy.zpravy.clear();
        vyprseni = 0;
        Vytvor(nastaveniStanice);
        stanicniVlakno = std::jthread([&] { stanice->HrajUpload(2s); });
        driver->AddCommand(PrikazZapis, "A\r\nB\r\n");
        const std::string odpoved = nastaveniStanice.UriznutePotvrzeni ? std::string{DC3} : "OK";
        ASSERT_TRUE(ui.ProcessUntil([&] { return driver->PrijataData() == odpoved; }, 10s));
        Vyprs(3);
        EXPECT_TRUE(konce.empty());
        Vyprs(1);
        ASSERT_EQ(konce.size(), 1u);
        EXPECT_FALSE(konce[0].ok);
        EXPECT_EQ(konce[0].vyprseni, 4);
        EXPECT_FALSE(driver->Port().Active());
        EXPECT_EQ(driver->PocetPrikazu(), 0);
        stanicniVlakno.join();
        // Every line acknowledged, only the end not: the driver says that much itself.
        const bool radkyPotvrzeny = !nastaveniStanice.UriznutePotvrzeni;
        ASSERT_EQ(zpravy.zpravy.size(), radkyPotvrzeny ? 1u : 0u);
        if (radkyPotvrzeny)
            EXPECT_NE(zpravy.zpravy[0].Text.find(
                          Cz("potvrdila všechny řádky (2), nepotvrdila jen konec zápisu")),
                      std::string::npos);
    }

    SCOPED_TRACE("noise only");
    konce.clear();
    vyprseni = 0;
    Vytvor();
    std::atomic<bool> konec{false};
    stanicniVlakno = std::jthread([&] {
        while (!konec) {
            stanice->Prijmi(5ms);
            stanice->PosliHned("noise ");
        }
    });
    driver->AddCommand(PrikazZapis, "A\r\nB\r\n");
    int pulIntervalu = 0;
    while (konce.empty() && pulIntervalu < 20) {
        const size_t predtim = driver->PrijataData().size();
        ASSERT_TRUE(ui.ProcessUntil([&] { return driver->PrijataData().size() > predtim; }, 10s));
        casovac->Posun(interval / 2);
        ++pulIntervalu;
    }
    konec = true;
    stanicniVlakno.join();
    ASSERT_EQ(konce.size(), 1u);
    EXPECT_FALSE(konce[0].ok);
    EXPECT_EQ(konce[0].vyprseni, 4);
    EXPECT_EQ(pulIntervalu, 8) << "the chatter never restarted the timer";
    EXPECT_FALSE(driver->Port().Active());
    EXPECT_EQ(driver->PocetPrikazu(), 0);
}

// An NTS-350 is sent to in the same line-by-line conversation, so a send to it ends like any
// other: acknowledged, or with the error after the fourth expiry.
TEST_F(ZapisTest, AnNts350SendEndsLikeAnyOther) {
    Vytvor();
    driver->StationType = TTypStanice::tsNTS350;
    std::vector<std::string> radky;
    stanicniVlakno = std::jthread([&] { radky = stanice->HrajUpload(5s); });
    driver->AddCommand(PrikazZapis, "P1\r\nP2\r\n");
    ASSERT_TRUE(CekejNaKonce(1));
    stanicniVlakno.join();
    EXPECT_TRUE(konce[0].ok);
    EXPECT_EQ(radky, (std::vector<std::string>{"P1", "P2"}));

    konce.clear();
    vyprseni = 0;
    driver->AddCommand(PrikazZapis, "P1\r\n"); // nobody answers now
    Vyprs(4);
    ASSERT_EQ(konce.size(), 1u);
    EXPECT_FALSE(konce[0].ok);
    EXPECT_EQ(konce[0].vyprseni, 4);
}

TEST_F(ZapisTest, ProgressCountsEveryAcknowledgedLineUpToTheTotal) {
    TSimNastaveni n = Rychla();
    n.RozdeleniSeed = 5; // acknowledgements in random pieces
    n.Sum = 3;           // with bytes before each
    Vytvor(n);
    std::string text;
    for (int i = 1; i <= 25; ++i)
        text += std::to_string(i) + " 1000.00 2000.00 300.00 bod\r\n";
    std::vector<std::string> radky;
    stanicniVlakno = std::jthread([&] { radky = stanice->HrajUpload(5s); });
    driver->AddCommand(PrikazZapis, text);
    ASSERT_TRUE(CekejNaKonce(1));
    stanicniVlakno.join();
    EXPECT_TRUE(konce[0].ok);
    EXPECT_EQ(radky.size(), 25u);
    ASSERT_EQ(prubeh.size(), 26u);
    for (int i = 0; i <= 25; ++i)
        EXPECT_EQ(prubeh[static_cast<size_t>(i)], std::make_pair(i, 25));
}

// The record names the line's rate by its number, also a rate the settings offer nowhere and
// the port's own (brUser), rather than the enumeration's ordinal.
TEST_F(ZapisTest, TheRecordNamesARateTheSettingsDoNotOffer) {
    souborZaznamu = nastaveni.Slozka() / "zaznam.log";
    Vytvor();
    const struct {
        const char* pripad;
        TSpBaudrate rychlost;
        int32_t vlastni;
        const char* linka;
    } pripady[] = {{"not offered", br110, 0, "Linka: 110 Bd, parita žádná,"},
                   {"the port's own", brUser, 1200, "Linka: 1200 Bd, parita žádná,"}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.pripad);
        std::filesystem::remove(souborZaznamu);
        if (p.rychlost == brUser)
            driver->Port().SetUserBaudRate(p.vlastni);
        else
            driver->SetBaudRate(p.rychlost);
        konce.clear();
        stanicniVlakno = std::jthread([&] { PrijimejZapisy(*stanice, 1); });
        driver->AddCommand(PrikazZapis, "P1\r\n");
        ASSERT_TRUE(CekejNaKonce(1));
        stanicniVlakno.join();
        EXPECT_TRUE(konce[0].ok);
        const std::string zaznam = NactiSoubor(souborZaznamu);
        EXPECT_NE(zaznam.find(p.linka), std::string::npos) << zaznam;
    }
}

// The settings dialog's "Ulož" opens the port as a test; the record keeps how it went.
TEST_F(ZapisTest, TheTestOfSavedSettingsIsRecorded) {
    souborZaznamu = nastaveni.Slozka() / "zaznam.log";
    Vytvor();
    driver->ZkusPort();
    EXPECT_TRUE(driver->Port().Active());
    driver->Port().SetActive(false);
    driver->SetComNumber(7); // mapped to nothing
    EXPECT_ANY_THROW(driver->ZkusPort());
    const std::string zaznam = NactiSoubor(souborZaznamu);
    EXPECT_NE(zaznam.find("Příkaz: zkouška portu po uložení nastavení\nTyp stanice: NTS-660\n"
                          "Port: COM3"),
              std::string::npos)
        << zaznam;
    EXPECT_NE(zaznam.find("Konec: port otevřen;"), std::string::npos) << zaznam;
    EXPECT_NE(zaznam.find("Konec: port nelze otevřít: Vybraný sériový port COM7 neexistuje"),
              std::string::npos)
        << zaznam;
}
