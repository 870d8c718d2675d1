// The program's response timer on a Qt event loop: expiries while enabled, none after a stop.
#include "link/qt/CasovacQt.h"
#include "OddeleniTestu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

bool Zpracuj(const std::function<bool()>& podminka) {
    QElapsedTimer cas;
    cas.start();
    while (!podminka() && cas.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return podminka();
}

} // namespace

TEST(CasovacQt, ExpiresWhileEnabledAndNotAfterAStop) {
    TCasovacQt casovac(5ms);
    int pocet = 0;
    casovac.OnTimer = [&] {
        ++pocet;
    };
    EXPECT_FALSE(casovac.Enabled());
    casovac.Start();
    EXPECT_TRUE(casovac.Enabled());
    EXPECT_TRUE(Zpracuj([&] { return pocet >= 3; }));
    casovac.Stop();
    EXPECT_FALSE(casovac.Enabled());
    const int poZastaveni = pocet;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 30);
    EXPECT_EQ(pocet, poZastaveni);
}

int main(int argc, char** argv) {
    OddelTestyOdZarizeni();
    QCoreApplication aplikace(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
