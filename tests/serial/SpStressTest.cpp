// Opening and closing while data flow, with the poll interval shortened so that the event
// thread's status query meets the close sequence as often as possible. Run under
// ThreadSanitizer by scripts/test-sanitizers: a lock-order problem or a wait cycle between the
// close and the event thread shows as a report or as a hang here.
#include "serial/SpComPort.h"
#include "serial/SpPlainSyncUi.h"
#include "serial/TestLinka.h"
#include "serial/TestNastaveni.h"

#include <atomic>
#include <gtest/gtest.h>
#include <random>
#include <thread>

using namespace std::chrono_literals;

namespace {

class TZdroj {
public:
    explicit TZdroj(TTestLinka& linka)
        : vlakno_([this, &linka] {
              while (!konec_) {
                  linka.Posli("0123456789abcdef");
                  std::this_thread::sleep_for(200us);
              }
          }) {}
    ~TZdroj() {
        konec_ = true;
        vlakno_.join();
    }

private:
    std::atomic<bool> konec_{false};
    std::thread vlakno_;
};

} // namespace

TEST(SpStress, CoreClosesWhileDataFlowAndThePollQueriesTheStatus) {
    auto linka = VytvorTestLinku();
    TSpComPortCore core;
    std::atomic<int64_t> prijato{0};
    core.SetEventCallback([&](TSpComPortCore& c, TSpCoreEvent, uint32_t, std::exception_ptr) {
        uint8_t buf[256];
        const TSpComStat s = c.QueryStatus();
        const int32_t n = c.ReadData(buf, static_cast<int32_t>(std::min<uint32_t>(s.InQueue, 256)));
        prijato += n > 0 ? n : 0;
    });
    // No poll interval at all: the event thread queries the status without pause, so that it
    // is between its active check and the port lock as often as possible when the close comes.
    core.SetTiming({.Poll = 0ms});
    TSpDCB dcb;
    dcb.BaudRate = 115200;
    dcb.ByteSize = 8;
    core.ApplyDCB(dcb);
    TZdroj zdroj(*linka);
    std::mt19937 nahoda(5);
    for (int kolo = 0; kolo < 500; ++kolo) {
        ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
        const uint8_t ven[] = "ping\r\n";
        core.WriteData(ven, 6);
        // The close comes at a random moment of the exchange: that is the stress.
        std::this_thread::sleep_for(std::chrono::microseconds(nahoda() % 1000));
        core.ClosePort();
        ASSERT_FALSE(core.Opened());
    }
    EXPECT_GT(prijato.load(), 0);
}

TEST(SpStress, ComponentClosesFromHandlersAndFromOutsideWhileDataFlow) {
    TProstrediPortu<TSpPlainSyncUi> prostredi;
    auto& ui = prostredi.ui;
    auto linka = VytvorTestLinku();
    prostredi.nastaveni.Mapuj(2, linka->Zarizeni());
    {
        TSpComPort port;
        port.SetComNumber(2);
        port.SetCoreTiming({.Poll = 1ms});
        int kolo = 0;
        int64_t prijato = 0;
        port.OnDataRecived = [&](TSpCustomSerialPort& p, int32_t) {
            prijato += static_cast<int64_t>(p.ReadString().size());
            if (kolo % 2 == 0)
                p.Close(); // as the link driver does at the end of a transfer
        };
        port.OnOutBufFree = [&](TSpCustomSerialPort& p) {
            p.PurgeOutput();
        };
        TZdroj zdroj(*linka);
        for (kolo = 0; kolo < 100; ++kolo) {
            port.Open();
            port.WriteString("line\r\n");
            ui.ProcessUntil([&] { return !port.Active(); }, kolo % 2 == 0 ? 2000ms : 3ms);
            port.Close();
        }
        EXPECT_GT(prijato, 0);
    }
}
