// What the port core relies on from the backend of the system, through a real device with a
// peer on the other end (TestLinka). Only the TTestLinka interface is used, so these tests run
// unchanged on every system that supplies one.
#include "serial/SpChyby.h"
#include "serial/SpComPortCore.h"
#include "serial/TestLinka.h"
#include "serial/TestZaznam.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;

namespace {

std::string Precti(TSpComPortCore& core) {
    const TSpComStat status = core.QueryStatus();
    std::string s(status.InQueue, '\0');
    const int32_t n =
        core.ReadData(reinterpret_cast<uint8_t*>(s.data()), static_cast<int32_t>(s.size()));
    s.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return s;
}

bool Zapis(TSpComPortCore& core, const std::string& s) {
    return core.WriteData(reinterpret_cast<const uint8_t*>(s.data()),
                          static_cast<int32_t>(s.size()));
}

TSpDCB Dcb9600() {
    TSpDCB d;
    d.BaudRate = 9600;
    d.ByteSize = 8;
    d.Flags = SpDcbFlag::fBinary;
    d.XonChar = 0x11;
    d.XoffChar = 0x13;
    return d;
}

struct BackendConformance : ::testing::Test {
    std::unique_ptr<TTestLinka> linka = VytvorTestLinku();
    TZaznamUdalosti zaznam;
    TSpComPortCore core;
    BackendConformance() {
        core.SetEventCallback(zaznam.Callback());
        core.ApplyDCB(Dcb9600());
        core.SetTiming({.Poll = 20ms, .ThreadStart = 3000ms, .Flush = 2000ms});
    }
};

} // namespace

TEST_F(BackendConformance, CarriesBytesBothWaysAndReportsTheirArrival) {
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    EXPECT_TRUE(core.Opened());
    const std::string ven = std::string("line 1\r\n\x04\x13\x11\0\xff", 13);
    ASSERT_TRUE(Zapis(core, ven));
    EXPECT_EQ(linka->Prijmi(10s, ven.size()), ven) << "bytes leave as written, none translated";
    EXPECT_TRUE(zaznam.CekejNa(TSpCoreEvent::ekOutputEmpty));

    const std::string dovnitr = std::string("\x13\x11\r\nabc\0", 8);
    ASSERT_TRUE(linka->Posli(dovnitr));
    ASSERT_TRUE(zaznam.CekejNa(TSpCoreEvent::ekLineEvents, SpLineEvent::RxChar));
    std::string prijato;
    zaznam.CekejAz([&] {
        prijato += Precti(core);
        return prijato.size() >= dovnitr.size();
    });
    EXPECT_EQ(prijato, dovnitr);
    EXPECT_EQ(core.QueryStatus().InQueue, 0u);
    EXPECT_EQ(core.ReadData(reinterpret_cast<uint8_t*>(prijato.data()), 1), 0)
        << "a read returns at once with what has arrived";
}

TEST_F(BackendConformance, OpeningTwiceAndOpeningAHeldDevice) {
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    EXPECT_FALSE(core.OpenPath(linka->Zarizeni())) << "already open: nothing happens";
    EXPECT_TRUE(core.Opened());

    if (const std::string proc = linka->Nelze(TSchopnostLinky::slVyhradniPouziti); !proc.empty())
        GTEST_SKIP() << proc;
    TSpComPortCore druhy;
    druhy.ApplyDCB(Dcb9600());
    try {
        druhy.OpenPath(linka->Zarizeni());
        FAIL() << "a device held by another port opened";
    } catch (const ESpComPortCoreError& e) {
        EXPECT_EQ(std::string(e.what()), "Can't open device " + linka->Zarizeni());
    }
    EXPECT_FALSE(druhy.Opened());
    core.ClosePort();
    EXPECT_TRUE(druhy.OpenPath(linka->Zarizeni())) << "free again after the close";
}

TEST_F(BackendConformance, AMissingDeviceIsAnInvalidPort) {
    try {
        core.OpenPath(linka->ChybejiciZarizeni());
        FAIL();
    } catch (const ESpComPortCoreError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Invalid port number (" + linka->ChybejiciZarizeni() + ")");
    }
    EXPECT_FALSE(core.Opened());
    EXPECT_FALSE(core.Active());
}

TEST_F(BackendConformance, PurgeInputDiscardsWhatArrived) {
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    ASSERT_TRUE(linka->Posli("discard me"));
    zaznam.CekejAz([&] { return core.QueryStatus().InQueue >= 10; });
    ASSERT_EQ(core.QueryStatus().InQueue, 10u);
    EXPECT_TRUE(core.PurgeInput());
    EXPECT_EQ(core.QueryStatus().InQueue, 0u);
    EXPECT_EQ(Precti(core), "");
    EXPECT_TRUE(core.PurgeOutput());
    EXPECT_EQ(core.OutputFree(), 4096);
}

TEST_F(BackendConformance, AClosedPortRefusesQuietly) {
    uint8_t b[4] = {};
    EXPECT_EQ(core.ReadData(b, 4), -1);
    EXPECT_FALSE(core.WriteData(b, 4));
    EXPECT_FALSE(core.PurgeInput());
    EXPECT_FALSE(core.PurgeOutput());
    EXPECT_FALSE(core.EscapeLine(SpEscape::SetDtr));
    EXPECT_EQ(core.OutputFree(), 0);
    EXPECT_EQ(core.TakeLineErrors(), 0u);
    const TSpComStat s = core.QueryStatus();
    EXPECT_EQ(s.InQueue + s.OutQueue + s.Flags, 0u);
    core.ClosePort(); // closing a closed port does nothing
}

TEST_F(BackendConformance, NothingIsReportedAfterTheClose) {
    for (int kolo = 0; kolo < 5; ++kolo) {
        TZaznamUdalosti zaznamKola;
        core.SetEventCallback(zaznamKola.Callback());
        ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
        std::atomic<bool> konec{false};
        std::atomic<int> kusu{0};
        std::thread zdroj([&] {
            while (!konec) {
                linka->Posli("0123456789");
                ++kusu;
                kusu.notify_all();
                std::this_thread::sleep_for(1ms); // a peer that sends on its own schedule
            }
        });
        ASSERT_TRUE(zaznamKola.CekejNa(TSpCoreEvent::ekLineEvents, SpLineEvent::RxChar));
        core.ClosePort();
        zaznamKola.Uzavreno();
        // Bytes keep arriving at the closed device: twenty more pieces.
        const int poslano = kusu;
        for (int k = kusu; k < poslano + 20; k = kusu)
            kusu.wait(k);
        konec = true;
        zdroj.join();
        EXPECT_EQ(zaznamKola.PoUzavreni(), 0);
        EXPECT_FALSE(core.Opened());
    }
}
