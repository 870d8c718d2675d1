// The open and close sequences and the threads of the port core, driven through backends that
// fail on purpose or that wrap the system's backend to hide or record what it does.
#include "serial/SpComPortCore.h"
#include "serial/ObalZarizeni.h"
#include "serial/SpChyby.h"
#include "serial/TestLinka.h"
#include "serial/TestZaznam.h"

#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

using namespace std::chrono_literals;

namespace {

// A device that does nothing, refusing the step named in `selze`.
enum class TKrok { krZadny, krTimeouts, krQueues, krMask, krState };
TKrok selze = TKrok::krZadny;
int otevreno = 0; // devices open now

class TFalesneZarizeni final : public TSpBackend {
public:
    TSpOpenError Open(const std::string& path) override {
        if (path == "missing")
            return TSpOpenError::oeNotFound;
        if (path == "busy")
            return TSpOpenError::oeBusy;
        ++otevreno;
        return TSpOpenError::oeNone;
    }
    bool SetTimeouts() override { return selze != TKrok::krTimeouts; }
    bool SetupQueues(uint32_t, uint32_t) override { return selze != TKrok::krQueues; }
    bool SetEventMask(uint32_t) override { return selze != TKrok::krMask; }
    bool SetState(const TSpDCB&) override { return selze != TKrok::krState; }
    bool GetState(TSpDCB& dcb) override {
        dcb.BaudRate = 4800; // what the device "really" has
        return true;
    }
    // No line to watch: a wait ends when it is woken or when its time is up.
    TSpWaitResult WaitEvent(std::chrono::milliseconds timeout, bool, uint32_t&) override {
        std::unique_lock lock(mutex_);
        const bool vzbuzen = zmena_.wait_for(lock, timeout, [this] { return vzbuzen_; });
        vzbuzen_ = false;
        return vzbuzen ? TSpWaitResult::wrWoken : TSpWaitResult::wrTimeout;
    }
    void Wake() override {
        {
            std::lock_guard lock(mutex_);
            vzbuzen_ = true;
        }
        zmena_.notify_all();
    }
    int32_t Read(uint8_t*, int32_t) override { return 0; }
    int32_t Write(const uint8_t*, int32_t count, bool& woken) override {
        woken = false;
        return count;
    }
    void CancelWrite() override {}
    bool ClearError(uint32_t& errors, TSpComStat& status) override {
        errors = 0;
        status = {};
        return true;
    }
    bool Purge(uint32_t) override { return true; }
    bool Escape(uint32_t) override { return true; }
    void Close() override { --otevreno; }

private:
    std::mutex mutex_;
    std::condition_variable zmena_;
    bool vzbuzen_ = false;
};

std::unique_ptr<TSpBackend> FalesneZarizeni() {
    return std::make_unique<TFalesneZarizeni>();
}

// The system's backend with its receive events hidden, as a driver that never reports them.
class TBezPrijmu final : public TObalZarizeni {
public:
    TSpWaitResult WaitEvent(std::chrono::milliseconds t, bool, uint32_t& mask) override {
        // Never watches the line: bytes stay where they arrived, only the poll can find them.
        return b_->WaitEvent(t, false, mask);
    }
    int32_t Write(const uint8_t* d, int32_t n, bool& w) override {
        {
            std::lock_guard lock(zapisyLock);
            zapisy.push_back(n);
        }
        return b_->Write(d, n, w);
    }

    static std::mutex zapisyLock;
    static std::vector<int32_t> zapisy; // the length of every write the writer made
};
std::mutex TBezPrijmu::zapisyLock;
std::vector<int32_t> TBezPrijmu::zapisy;

std::unique_ptr<TSpBackend> BezPrijmu() {
    return std::make_unique<TBezPrijmu>();
}

std::string Text(TSpComPortCore& core, const std::string& path) {
    try {
        core.OpenPath(path);
    } catch (const ESpComPortCoreError& e) {
        return e.what();
    }
    return "opened";
}

} // namespace

TEST(SpComPortCore, EveryFailedStepOfTheOpenLeavesNothingOpen) {
    struct TPripad {
        TKrok krok;
        const char* text;
    };
    for (const TPripad& p : {TPripad{TKrok::krTimeouts, "Error setting timeouts"},
                             TPripad{TKrok::krQueues, "Error initializing buffers"},
                             TPripad{TKrok::krMask, " Error setting EventMask"},
                             TPripad{TKrok::krState, "Error setting parameters from DCB"}}) {
        selze = p.krok;
        TSpComPortCore core(&FalesneZarizeni);
        EXPECT_EQ(Text(core, "dev"), p.text);
        EXPECT_FALSE(core.Opened());
        EXPECT_FALSE(core.Active());
        EXPECT_EQ(otevreno, 0) << p.text;
        uint8_t b = 0;
        EXPECT_EQ(core.ReadData(&b, 1), -1);
        selze = TKrok::krZadny;
        EXPECT_EQ(Text(core, "dev"), "opened") << "ready for another attempt";
        core.ClosePort();
        EXPECT_EQ(otevreno, 0);
    }
}

TEST(SpComPortCore, ARefusedDcbLeavesTheDevicesActualSettings) {
    selze = TKrok::krState;
    TSpComPortCore core(&FalesneZarizeni);
    TSpDCB dcb;
    dcb.BaudRate = 9600;
    core.ApplyDCB(dcb);
    EXPECT_EQ(Text(core, "dev"), "Error setting parameters from DCB");
    EXPECT_EQ(core.DCB().BaudRate, 4800u);

    selze = TKrok::krZadny;
    ASSERT_EQ(Text(core, "dev"), "opened");
    selze = TKrok::krState;
    EXPECT_THROW(core.ApplyDCB(dcb), ESpComPortCoreError) << "also on an open port";
    EXPECT_EQ(core.DCB().BaudRate, 4800u);
    EXPECT_TRUE(core.Opened());
    selze = TKrok::krZadny;
}

TEST(SpComPortCore, PortNumbersAndDevicesThatCannotBeHad) {
    TSpComPortCore core(&FalesneZarizeni);
    try {
        core.OpenPort(0);
        FAIL();
    } catch (const ESpComPortCoreError& e) {
        EXPECT_STREQ(e.what(), "Invalid port number (COM0)");
    }
    EXPECT_EQ(Text(core, "missing"), "Invalid port number (missing)");
    EXPECT_EQ(Text(core, "busy"), "Can't open device busy");
    EXPECT_EQ(otevreno, 0);
}

TEST(SpComPortCore, InputWithoutAReceiveEventIsFoundByThePoll) {
    auto linka = VytvorTestLinku();
    TZaznamUdalosti zaznam;
    TSpComPortCore core(&BezPrijmu);
    core.SetEventCallback(zaznam.Callback());
    core.SetTiming({.Poll = 20ms}); // the program's 200 ms, shortened
    TSpDCB dcb;
    dcb.BaudRate = 9600;
    dcb.ByteSize = 8;
    core.ApplyDCB(dcb);
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    ASSERT_TRUE(linka->Posli("12345"));
    ASSERT_TRUE(zaznam.Cekej([](const std::vector<TCoreUdalost>& u) {
        for (const TCoreUdalost& e : u)
            if (e.kind == TSpCoreEvent::ekInputWaiting && e.data == 5)
                return true;
        return false;
    }));
    EXPECT_EQ(zaznam.Pocet(TSpCoreEvent::ekLineEvents), 0);
}

TEST(SpComPortCore, ABlockPastTheEndOfTheRingGoesOutAsTwoWrites) {
    auto linka = VytvorTestLinku();
    TZaznamUdalosti zaznam;
    TSpComPortCore core(&BezPrijmu);
    core.SetEventCallback(zaznam.Callback());
    core.SetOutputQueueSize(16);
    TSpDCB dcb;
    dcb.BaudRate = 9600;
    dcb.ByteSize = 8;
    core.ApplyDCB(dcb);
    ASSERT_TRUE(core.OpenPath(linka->Zarizeni()));
    const std::string a = "0123456789", b = "abcdefghij";
    ASSERT_TRUE(core.WriteData(reinterpret_cast<const uint8_t*>(a.data()), 10));
    ASSERT_TRUE(zaznam.CekejNa(TSpCoreEvent::ekOutputEmpty));
    {
        std::lock_guard lock(TBezPrijmu::zapisyLock);
        TBezPrijmu::zapisy.clear();
    }
    EXPECT_EQ(core.OutputFree(), 16);
    ASSERT_TRUE(core.WriteData(reinterpret_cast<const uint8_t*>(b.data()), 10));
    EXPECT_EQ(linka->Prijmi(10s, 20), a + b);
    ASSERT_TRUE(zaznam.Cekej([](const std::vector<TCoreUdalost>& u) {
        int n = 0;
        for (const TCoreUdalost& e : u)
            n += e.kind == TSpCoreEvent::ekOutputEmpty;
        return n >= 2;
    }));
    std::lock_guard lock(TBezPrijmu::zapisyLock);
    EXPECT_EQ(TBezPrijmu::zapisy, (std::vector<int32_t>{6, 4}));
    EXPECT_FALSE(core.WriteData(reinterpret_cast<const uint8_t*>(b.data()), 0));
}

TEST(SpComPortCore, ABlockLargerThanTheFreeSpaceIsRefusedWhole) {
    TSpComPortCore core(&FalesneZarizeni);
    core.SetOutputQueueSize(8);
    ASSERT_EQ(Text(core, "dev"), "opened");
    const uint8_t data[9] = {};
    EXPECT_FALSE(core.WriteData(data, 9));
    EXPECT_EQ(core.OutputFree(), 8);
}
