// A port that goes away under a command, and the port closed from inside its own events at
// the end of every transfer.
#include "TestKomunikace.h"

#include <thread>

using namespace std::chrono_literals;

namespace {

struct ZtrataPortuTest : KomunikaceTest {
    std::string Zprava() const {
        return Cz("Spojení s totální stanicí bylo přerušeno. Sériový port COM3 už není dostupný.");
    }
    std::jthread stanicniVlakno;
};

} // namespace

TEST_F(ZtrataPortuTest, ALostPortEndsADownloadWithAMessageAndAClosedPort) {
    Vytvor();
    cekani.PriUkazani = [&] {
        stanicniVlakno = std::jthread([&] {
            const std::string cast = "part of the da";
            stanice->PosliHned(cast);
            if (!CekejNaDriver([&] { return prijato >= static_cast<int64_t>(cast.size()); }))
                ADD_FAILURE() << "the driver never reported the part";
            stanice->Zaves(); // the adapter is pulled out
        });
    };
    driver->AddCommand(PrikazNacteni, "");
    stanicniVlakno.join();
    ASSERT_EQ(konce.size(), 1u);
    EXPECT_FALSE(konce[0].ok);
    EXPECT_EQ(konce[0].typ, PrikazNacteni);
    EXPECT_FALSE(konce[0].portOtevren) << "closed before the handlers run";
    EXPECT_EQ(cekani.zavreno, 1) << "the waiting dialog is closed, not left frozen";
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].Druh, TDruhZpravy::dzChyba);
    EXPECT_EQ(zpravy.zpravy[0].Text, Zprava());
    EXPECT_FALSE(driver->Port().Active());
    EXPECT_EQ(driver->PocetPrikazu(), 0);
    ui.ProcessPosted();
    Vyprs(10);
    EXPECT_EQ(konce.size(), 1u) << "nothing more comes from the dead line";
}

TEST_F(ZtrataPortuTest, ALostPortEndsASendAndTheQueueBehindIt) {
    Vytvor(); // the clock stands still: the loss, not the time-out, must end it
    stanicniVlakno = std::jthread([&] {
        stanice->Prijmi(5s, 4);
        stanice->Zaves();
    });
    driver->AddCommand(PrikazZapis, "L1\r\nL2\r\n");
    driver->AddCommand(PrikazZapis, "M1\r\n");
    ASSERT_TRUE(CekejNaKonce(1));
    stanicniVlakno.join();
    EXPECT_FALSE(konce[0].ok);
    EXPECT_EQ(konce[0].typ, PrikazZapis);
    EXPECT_EQ(konce[0].vyprseni, 0);
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].Text, Zprava());
    EXPECT_FALSE(driver->Port().Active());
    EXPECT_EQ(driver->PocetPrikazu(), 0) << "the handler cleared the queue";
    ui.ProcessPosted();
    Vyprs(10);
    EXPECT_EQ(konce.size(), 1u);
}

// Every transfer ends inside the port's receive event, which closes the port. Were the close
// to wait for the event's own sync call, each end would hang for the sync time-out (set to an
// hour here) and the test would never finish.
TEST_F(ZtrataPortuTest, ClosingFromInsideTheReceiveEventNeverHangs) {
    Vytvor();
    driver->Port().SetSyncTimeout(std::chrono::hours(1));
    constexpr int Kolikrat = 10;
    for (int i = 0; i < Kolikrat; ++i) {
        cekani.PriUkazani = [&] {
            stanice->PosliHned("data " + std::to_string(i) + KonecDat);
        };
        driver->AddCommand(PrikazNacteni, "");
        EXPECT_FALSE(driver->Port().Active());
        stanicniVlakno = std::jthread([&] { PrijimejZapisy(*stanice, 1); });
        driver->AddCommand(PrikazZapis, "line\r\n");
        ASSERT_TRUE(CekejNaKonce(2 * static_cast<size_t>(i) + 2));
        EXPECT_FALSE(driver->Port().Active());
        stanicniVlakno.join();
    }
    for (int i = 0; i < Kolikrat; ++i) {
        EXPECT_EQ(konce[2 * static_cast<size_t>(i)].data, "data " + std::to_string(i) + KonecDat);
        EXPECT_TRUE(konce[2 * static_cast<size_t>(i) + 1].ok);
    }
}
