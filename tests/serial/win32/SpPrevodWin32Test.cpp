// What no pseudo-terminal can show, checked without a device: the line settings the component
// builds reach the driver's DCB bit for bit (7-bit framing, parity, stop bits, handshakes, the
// DTR and RTS controls), the line functions the component sends are the driver's codes, and the
// error codes of the system mean "missing", "in use", "hung up" or "not supported" as they should.
#include "serial/win32/SpPrevodWin32.h"
#include "serial/SpComPort.h"

#include <gtest/gtest.h>
#include <mutex>
#include <vector>

namespace {

DCB DcbPortu(TSpComPort& port) {
    return SpDcbNaWin32(port.DCB());
}

} // namespace

TEST(SpPrevodWin32, TheComponentsFramingReachesTheDcb) {
    TSpComPort port;
    DCB d = DcbPortu(port);
    EXPECT_EQ(d.DCBlength, sizeof(DCB));
    EXPECT_EQ(d.BaudRate, 115200u);
    EXPECT_EQ(d.ByteSize, 8);
    EXPECT_EQ(d.Parity, NOPARITY);
    EXPECT_EQ(d.StopBits, ONESTOPBIT);
    EXPECT_TRUE(d.fBinary);
    EXPECT_EQ(d.fDtrControl, static_cast<DWORD>(DTR_CONTROL_ENABLE));
    EXPECT_EQ(d.fRtsControl, static_cast<DWORD>(RTS_CONTROL_ENABLE));
    EXPECT_EQ(d.XonChar, 17);
    EXPECT_EQ(d.XoffChar, 19);

    // The station's 7E2 framing, with parity checked and nulls stripped.
    port.SetBaudRate(br9600);
    port.SetDatabits(db7);
    port.SetParity(paEven);
    port.SetStopbits(sbTwo);
    port.SetOptions({coParityCheck, coStripNull});
    d = DcbPortu(port);
    EXPECT_EQ(d.BaudRate, static_cast<DWORD>(CBR_9600));
    EXPECT_EQ(d.ByteSize, 7);
    EXPECT_EQ(d.Parity, EVENPARITY);
    EXPECT_EQ(d.StopBits, TWOSTOPBITS);
    EXPECT_TRUE(d.fParity);
    EXPECT_TRUE(d.fNull);
    EXPECT_FALSE(d.fOutX);

    port.SetParity(paOdd);
    EXPECT_EQ(DcbPortu(port).Parity, ODDPARITY);
    port.SetParity(paMark);
    EXPECT_EQ(DcbPortu(port).Parity, MARKPARITY);
    port.SetParity(paSpace);
    EXPECT_EQ(DcbPortu(port).Parity, SPACEPARITY);
    port.SetStopbits(sbOneAndHalf);
    EXPECT_EQ(DcbPortu(port).StopBits, ONE5STOPBITS);
}

TEST(SpPrevodWin32, HandshakesSetTheDtrAndRtsControls) {
    TSpComPort port;
    port.SetFlowControl(fwXOnXOff);
    DCB d = DcbPortu(port);
    EXPECT_TRUE(d.fOutX);
    EXPECT_TRUE(d.fInX);
    EXPECT_EQ(d.XonLim, 1024);
    EXPECT_EQ(d.XoffLim, 3072);
    port.SetFlowControl(fwRtsCts);
    d = DcbPortu(port);
    EXPECT_TRUE(d.fOutxCtsFlow);
    EXPECT_EQ(d.fRtsControl, static_cast<DWORD>(RTS_CONTROL_HANDSHAKE));
    EXPECT_EQ(d.fDtrControl, static_cast<DWORD>(DTR_CONTROL_ENABLE));
    port.SetFlowControl(fwDtrDsr);
    d = DcbPortu(port);
    EXPECT_TRUE(d.fOutxDsrFlow);
    EXPECT_EQ(d.fDtrControl, static_cast<DWORD>(DTR_CONTROL_HANDSHAKE));
    EXPECT_EQ(d.fRtsControl, static_cast<DWORD>(RTS_CONTROL_ENABLE));
    port.SetFlowControl(fwNone);
    port.SetDTR(false);
    port.SetRTS(false);
    port.SetBaudRate(br4800); // rebuilds the DCB
    d = DcbPortu(port);
    EXPECT_EQ(d.fDtrControl, static_cast<DWORD>(DTR_CONTROL_DISABLE));
    EXPECT_EQ(d.fRtsControl, static_cast<DWORD>(RTS_CONTROL_DISABLE));
}

TEST(SpPrevodWin32, EveryFieldSurvivesTheWayThereAndBack) {
    for (int bit = 0; bit < 15; ++bit) {
        TSpDCB s;
        s.Flags = 1u << bit;
        EXPECT_EQ(SpDcbZWin32(SpDcbNaWin32(s)).Flags, s.Flags) << "bit " << bit;
    }
    TSpDCB s;
    s.BaudRate = 12345;
    s.Flags = 0x7fff;
    s.XonLim = 100;
    s.XoffLim = 900;
    s.ByteSize = 5;
    s.Parity = 4;
    s.StopBits = 1;
    s.XonChar = 1;
    s.XoffChar = 2;
    s.ErrorChar = '?';
    s.EofChar = 26;
    s.EvtChar = '\n';
    EXPECT_EQ(SpDcbZWin32(SpDcbNaWin32(s)), s);
}

TEST(SpPrevodWin32, ErrorCodesOfTheSystem) {
    EXPECT_EQ(SpChybaOtevreniWin32(ERROR_FILE_NOT_FOUND), TSpOpenError::oeNotFound);
    EXPECT_EQ(SpChybaOtevreniWin32(ERROR_PATH_NOT_FOUND), TSpOpenError::oeNotFound);
    EXPECT_EQ(SpChybaOtevreniWin32(ERROR_ACCESS_DENIED), TSpOpenError::oeBusy)
        << "a port another program holds";
    EXPECT_EQ(SpChybaOtevreniWin32(ERROR_SHARING_VIOLATION), TSpOpenError::oeBusy);
    EXPECT_EQ(SpChybaOtevreniWin32(ERROR_GEN_FAILURE), TSpOpenError::oeBusy);

    for (DWORD e : {ERROR_BROKEN_PIPE, ERROR_NOT_READY, ERROR_DEVICE_REMOVED})
        EXPECT_TRUE(SpJeZaveseniWin32(e)) << e;
    for (DWORD e : {ERROR_OPERATION_ABORTED, ERROR_IO_PENDING, ERROR_NOT_SUPPORTED})
        EXPECT_FALSE(SpJeZaveseniWin32(e)) << e;
    EXPECT_TRUE(SpNepodporovanoWin32(ERROR_NOT_SUPPORTED));
    EXPECT_FALSE(SpNepodporovanoWin32(ERROR_ACCESS_DENIED));
}

namespace {

// A device that records the line functions it is asked for.
std::mutex gKodyLock;
std::vector<uint32_t> gKody;

class TZaznamFunkci final : public TSpBackend {
public:
    TSpOpenError Open(const std::string&) override { return TSpOpenError::oeNone; }
    bool SetTimeouts() override { return true; }
    bool SetupQueues(uint32_t, uint32_t) override { return true; }
    bool SetEventMask(uint32_t) override { return true; }
    bool SetState(const TSpDCB&) override { return true; }
    bool GetState(TSpDCB&) override { return true; }
    TSpWaitResult WaitEvent(std::chrono::milliseconds t, bool, uint32_t&) override {
        return WaitForSingleObject(wake_, static_cast<DWORD>(t.count())) == WAIT_OBJECT_0
                   ? TSpWaitResult::wrWoken
                   : TSpWaitResult::wrTimeout;
    }
    void Wake() override { SetEvent(wake_); }
    int32_t Read(uint8_t*, int32_t) override { return 0; }
    int32_t Write(const uint8_t*, int32_t count, bool& woken) override {
        woken = false;
        return count;
    }
    void CancelWrite() override {}
    bool ClearError(uint32_t& e, TSpComStat& s) override {
        e = 0;
        s = {};
        return true;
    }
    bool Purge(uint32_t) override { return true; }
    bool Escape(uint32_t code) override {
        std::lock_guard lock(gKodyLock);
        gKody.push_back(code);
        return true;
    }
    void Close() override {}
    ~TZaznamFunkci() override { CloseHandle(wake_); }

private:
    HANDLE wake_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
};

std::unique_ptr<TSpBackend> ZaznamFunkci() {
    return std::make_unique<TZaznamFunkci>();
}

} // namespace

TEST(SpPrevodWin32, DtrAndRtsSendTheDriversLineFunctionsWhileOpenOnly) {
    TSpComPort port("port", TSpSyncCallTable::Global(), &ZaznamFunkci);
    port.SetDevicePath("recorder");
    port.SetDTR(false); // closed: only the property changes
    port.SetDTR(true);
    port.Open();
    port.SetDTR(false);
    port.SetDTR(false); // no change, nothing sent
    port.SetDTR(true);
    port.SetRTS(false);
    port.SetRTS(true);
    port.Close();
    std::lock_guard lock(gKodyLock);
    EXPECT_EQ(gKody, (std::vector<uint32_t>{CLRDTR, SETDTR, CLRRTS, SETRTS}));
}
