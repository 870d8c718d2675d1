// What only the POSIX backend promises: a hang-up is reported once, the missing modem lines of a
// pseudo-terminal are no failure, and rates termios does not have are refused.
#include "serial/ObalZarizeni.h"
#include "serial/SpBackend.h"
#include "serial/SpChyby.h"
#include "serial/SpComPortCore.h"
#include "serial/SpDevices.h"
#include "serial/TestLinka.h"
#include "serial/TestZaznam.h"

#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;

namespace {

TSpDCB Dcb(uint32_t baud) {
    TSpDCB d;
    d.BaudRate = baud;
    d.ByteSize = 8;
    d.Flags = SpDcbFlag::fBinary | SpDcbFlag::DtrControlEnable | SpDcbFlag::RtsControlEnable;
    return d;
}

} // namespace

TEST(SpBackendPosix, AHangUpIsReportedOnceAndNotSpunOn) {
    auto linka = VytvorTestLinku();
    TZaznamUdalosti zaznam;
    TSpComPortCore core(&PocitaneCekani);
    core.SetEventCallback(zaznam.Callback());
    core.SetTiming({.Poll = 10ms});
    core.ApplyDCB(Dcb(9600));
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    linka->Zaves();
    ASSERT_TRUE(zaznam.CekejNa(TSpCoreEvent::ekLineEvents, SpLineEvent::Rlsd));
    EXPECT_TRUE(core.QueryStatus().InQueue == 0);
    EXPECT_EQ(core.TakeLineErrors() & SpLineError::IoError, SpLineError::IoError);
    // Ten more waits of the event thread: each one sat out its poll interval on the hung-up
    // device instead of returning at once, and none reported anything new.
    gCekaniBezCasu = 0;
    CekejNaCekani(10);
    EXPECT_EQ(gCekaniBezCasu, 0);
    EXPECT_EQ(zaznam.Pocet(TSpCoreEvent::ekLineEvents), 1);
    EXPECT_EQ(zaznam.Pocet(TSpCoreEvent::ekInputWaiting), 0);
    uint8_t b[4];
    EXPECT_EQ(core.ReadData(b, 4), 0);
    core.ClosePort();
    EXPECT_FALSE(core.Opened());
}

// A hung-up pseudo-terminal reads as empty (reported by the wait), so the refusal is made by
// reading a device that is no longer open.
TEST(SpBackendPosix, AReadTheSystemRefusesReturnsMinusOne) {
    auto linka = VytvorTestLinku();
    auto device = SpCreateBackend();
    ASSERT_EQ(device->Open(linka->Zarizeni()), TSpOpenError::oeNone);
    ASSERT_TRUE(device->SetupQueues(64, 64));
    uint8_t b[4];
    EXPECT_EQ(device->Read(b, 4), 0) << "nothing received is no failure";
    ASSERT_TRUE(linka->Posli("ab"));
    device->Close();
    EXPECT_EQ(device->Read(b, 4), -1);
}

// A pseudo-terminal has no transmitter: what was written is on its way to the other end
// already, and a purge of the output (as every close makes) must not take it back. The link
// driver closes right after its last CR LF has gone out.
TEST(SpBackendPosix, APurgeOfTheOutputKeepsWhatAPseudoTerminalWasGiven) {
    auto linka = VytvorTestLinku();
    auto device = SpCreateBackend();
    ASSERT_EQ(device->Open(linka->Zarizeni()), TSpOpenError::oeNone);
    ASSERT_TRUE(device->SetState(Dcb(9600)));
    const uint8_t konec[] = {'\r', '\n'};
    for (int i = 0; i < 2000; ++i) {
        bool vzbuzen = false;
        ASSERT_EQ(device->Write(konec, 2, vzbuzen), 2);
        ASSERT_TRUE(device->Purge(SpPurge::TxAbort | SpPurge::TxClear));
        ASSERT_EQ(linka->Prijmi(5s, 2), "\r\n") << "write " << i;
    }
}

// The event thread moves arriving bytes from the device into its queue while the status is
// asked: a byte is counted in one place or the other, never in both.
TEST(SpBackendPosix, TheInputCountSeesEachByteOnceWhileItMovesIntoTheQueue) {
    auto linka = VytvorTestLinku();
    TSpComPortCore core;
    core.ApplyDCB(Dcb(9600));
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    for (int kolo = 0; kolo < 1000; ++kolo) {
        ASSERT_TRUE(linka->Posli("0123456789"));
        const auto limit = std::chrono::steady_clock::now() + 10s;
        uint32_t n = 0;
        do { // asked as often as possible while the bytes arrive
            n = core.QueryStatus().InQueue;
            ASSERT_LE(n, 10u) << "round " << kolo;
            std::this_thread::yield(); // the event thread gets its turn
        } while (n < 10 && std::chrono::steady_clock::now() < limit);
        ASSERT_EQ(n, 10u);
        uint8_t b[10];
        ASSERT_EQ(core.ReadData(b, 10), 10);
    }
}

TEST(SpBackendPosix, LineFunctionsOnAPseudoTerminalSucceedDoingNothing) {
    auto linka = VytvorTestLinku();
    TSpComPortCore core;
    core.ApplyDCB(Dcb(9600));
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    for (uint32_t code : {SpEscape::SetDtr, SpEscape::ClrDtr, SpEscape::SetRts, SpEscape::ClrRts})
        EXPECT_TRUE(core.EscapeLine(code)) << code;
    EXPECT_FALSE(core.EscapeLine(99));
}

TEST(SpBackendPosix, ARateWithoutATermiosSpeedIsRefused) {
    auto linka = VytvorTestLinku();
    TSpComPortCore core;
    core.ApplyDCB(Dcb(14400));
    EXPECT_THROW(core.OpenPath(linka->Zarizeni()), ESpComPortCoreError);
    EXPECT_FALSE(core.Opened());
    core.ApplyDCB(Dcb(19200));
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    try {
        core.ApplyDCB(Dcb(56000));
        FAIL();
    } catch (const ESpComPortCoreError& e) {
        EXPECT_STREQ(e.what(), "Error setting parameters from DCB");
    }
    EXPECT_EQ(core.DCB().BaudRate, 19200u) << "the device's settings are read back";
}

// The test program's main() has moved the device folder into an empty folder of its own.
TEST(SpBackendPosix, ComNumbersFollowTheDefaultRuleInTheDeviceFolder) {
    EXPECT_EQ(SpVychoziSlozkaZarizeni(), "/dev");
    const std::string dev = SpSlozkaZarizeni();
    ASSERT_NE(dev, "/dev");
    EXPECT_TRUE(std::filesystem::is_empty(dev));
    EXPECT_EQ(SpDefaultDevicePath(1), dev + "/ttyS0");
    EXPECT_EQ(SpDefaultDevicePath(4), dev + "/ttyS3");
    EXPECT_EQ(SpDefaultDevicePath(5), "") << "the higher numbers are the adapters'";
    EXPECT_EQ(SpDefaultDevicePath(0), "");
}
