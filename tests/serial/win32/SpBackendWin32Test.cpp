// What only the Win32 backend promises, through Wine's ports on pseudo-terminals: a driver that
// cannot wait for the line events is watched without spinning and its arrivals are reported once
// each, a hang-up is reported once, missing modem lines are no failure, and a COM number with
// nothing behind it is a missing port.
#include "serial/ObalZarizeni.h"
#include "serial/SpChyby.h"
#include "serial/SpComPortCore.h"
#include "serial/TestLinka.h"
#include "serial/TestZaznam.h"

#include <atomic>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

TSpDCB Dcb9600SDtrRts() {
    TSpDCB d;
    d.BaudRate = 9600;
    d.ByteSize = 8;
    d.Flags = SpDcbFlag::fBinary | SpDcbFlag::DtrControlEnable | SpDcbFlag::RtsControlEnable;
    return d;
}

struct BackendWin32 : ::testing::Test {
    std::unique_ptr<TTestLinka> linka = VytvorTestLinku();
    TZaznamUdalosti zaznam;
    TSpComPortCore core{&PocitaneCekani};
    BackendWin32() {
        core.SetEventCallback(zaznam.Callback());
        core.SetTiming({.Poll = 20ms});
        core.ApplyDCB(Dcb9600SDtrRts());
    }
};

std::string Chyba(TSpComPortCore& core, const std::string& path) {
    try {
        core.OpenPath(path);
    } catch (const ESpComPortCoreError& e) {
        return e.what();
    }
    return "opened";
}

} // namespace

TEST_F(BackendWin32, EachArrivalIsOneReceiveEventAndAnIdleLineIsNotSpunOn) {
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    ASSERT_TRUE(linka->Posli("abc"));
    ASSERT_TRUE(zaznam.CekejNa(TSpCoreEvent::ekLineEvents, SpLineEvent::RxChar));
    // Nobody reads: the bytes stay queued, and only the poll mentions them again.
    ASSERT_TRUE(zaznam.CekejNa(TSpCoreEvent::ekInputWaiting));
    EXPECT_EQ(zaznam.Pocet(TSpCoreEvent::ekLineEvents, SpLineEvent::RxChar), 1);
    ASSERT_TRUE(linka->Posli("d"));
    ASSERT_TRUE(zaznam.Cekej([](const std::vector<TCoreUdalost>& u) {
        int n = 0;
        for (const TCoreUdalost& e : u)
            n += e.kind == TSpCoreEvent::ekLineEvents;
        return n >= 2;
    })) << "a new arrival is a new event";
    EXPECT_EQ(core.QueryStatus().InQueue, 4u);

    // Ten more waits of the event thread, each sitting out its poll interval.
    gCekaniBezCasu = 0;
    const int udalosti = zaznam.Pocet(TSpCoreEvent::ekLineEvents);
    CekejNaCekani(10);
    EXPECT_EQ(gCekaniBezCasu, 0);
    EXPECT_EQ(zaznam.Pocet(TSpCoreEvent::ekLineEvents), udalosti);
}

TEST_F(BackendWin32, AHangUpIsReportedOnceAndNotSpunOn) {
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    linka->Zaves();
    ASSERT_TRUE(zaznam.CekejNa(TSpCoreEvent::ekLineEvents, SpLineEvent::Rlsd));
    EXPECT_EQ(core.QueryStatus().InQueue, 0u);
    EXPECT_EQ(core.TakeLineErrors() & SpLineError::IoError, SpLineError::IoError);
    // The wake that the hang-up left for the event thread ends the wait after the report.
    CekejNaCekani(1);
    gCekaniBezCasu = 0;
    CekejNaCekani(10);
    EXPECT_EQ(gCekaniBezCasu, 0);
    EXPECT_EQ(zaznam.Pocet(TSpCoreEvent::ekLineEvents), 1);
    EXPECT_EQ(zaznam.Pocet(TSpCoreEvent::ekInputWaiting), 0);
    uint8_t b[4];
    EXPECT_EQ(core.ReadData(b, 4), 0);
    EXPECT_TRUE(core.WriteData(b, 4)) << "queued; the device refuses it without a fuss";
    core.ClosePort();
    EXPECT_FALSE(core.Opened());
    EXPECT_FALSE(linka->Pripojeno());
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni())) << "a fresh cable in the same port";
}

TEST_F(BackendWin32, LineFunctionsWithoutModemLinesSucceedDoingNothing) {
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    for (uint32_t code : {SpEscape::SetDtr, SpEscape::ClrDtr, SpEscape::SetRts, SpEscape::ClrRts})
        EXPECT_TRUE(core.EscapeLine(code)) << code;
    EXPECT_FALSE(core.EscapeLine(99));
    ASSERT_TRUE(linka->Posli("still here"));
    EXPECT_TRUE(zaznam.CekejNa(TSpCoreEvent::ekLineEvents, SpLineEvent::RxChar));
}

TEST_F(BackendWin32, ACOMNumberWithNothingBehindItIsAMissingPort) {
    // COM8 is mapped to a link that no pseudo-terminal has made: Wine opens something, but
    // not a serial port.
    EXPECT_EQ(Chyba(core, "\\\\.\\COM8"), "Invalid port number (\\\\.\\COM8)");
    EXPECT_EQ(Chyba(core, linka->ChybejiciZarizeni()),
              "Invalid port number (" + linka->ChybejiciZarizeni() + ")");
    EXPECT_FALSE(core.Opened());
    EXPECT_EQ(Chyba(core, linka->Zarizeni()), "opened");
}
