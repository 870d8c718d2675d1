// The plain response timer: expiries on the loop's thread, nothing stale after a stop or a
// restart, and none into a destroyed timer.
#include "link/CasovacPlain.h"
#include "serial/SledovaneUi.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(CasovacPlain, ExpiresRepeatedlyOnTheLoopsThread) {
    TSpPlainSyncUi ui;
    TCasovacPlain casovac(ui, 5ms);
    int pocet = 0;
    casovac.OnTimer = [&] {
        EXPECT_TRUE(ui.IsUiThread());
        ++pocet;
    };
    EXPECT_FALSE(casovac.Enabled());
    casovac.Start();
    EXPECT_TRUE(casovac.Enabled());
    EXPECT_TRUE(ui.ProcessUntil([&] { return pocet >= 3; }, 10s));
    casovac.Stop();
    EXPECT_FALSE(casovac.Enabled());
}

TEST(CasovacPlain, AStopOrRestartDropsExpiriesAlreadyOnTheirWay) {
    TSledovaneUi ui;
    TCasovacPlain casovac(ui, 2ms);
    int pocet = 0;
    casovac.OnTimer = [&] {
        ++pocet;
    };
    casovac.Start();
    ASSERT_TRUE(ui.CekejNaPosted(2)); // expiries wait in the loop's queue
    casovac.Stop();
    ui.ProcessPosted();
    EXPECT_EQ(pocet, 0);

    casovac.Start();
    ASSERT_TRUE(ui.CekejNaPosted(ui.Posted() + 2));
    casovac.SetInterval(10s);
    casovac.Start(); // a fresh interval: what was due before it does not count
    ui.ProcessPosted();
    EXPECT_EQ(pocet, 0);
    EXPECT_TRUE(casovac.Enabled());
}

TEST(CasovacPlain, AnExpiryLeftInTheQueueOutlivesItsTimerHarmlessly) {
    TSledovaneUi ui;
    int pocet = 0;
    {
        TCasovacPlain casovac(ui, 1ms);
        casovac.OnTimer = [&] {
            ++pocet;
        };
        casovac.Start();
        ASSERT_TRUE(ui.CekejNaPosted(1));
    }
    ui.ProcessPosted();
    EXPECT_EQ(pocet, 0);
}
