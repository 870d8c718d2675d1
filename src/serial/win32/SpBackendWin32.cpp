// The port on Windows: the Win32 communication functions on a device opened for overlapped
// use. The line-event wait and the writer's wait each wait on their I/O event together with a
// wake-up event, so another thread can end them (Wake, CancelWrite) without closing anything.
#include "serial/SpBackend.h"

#include <windows.h>

namespace {

static_assert(sizeof(DCB) == 28, "the DCB record has 28 bytes");

DCB NaWin32(const TSpDCB& s) {
    DCB d{};
    d.DCBlength = sizeof(DCB);
    d.BaudRate = s.BaudRate;
    const uint32_t f = s.Flags;
    d.fBinary = f & 1;
    d.fParity = (f >> 1) & 1;
    d.fOutxCtsFlow = (f >> 2) & 1;
    d.fOutxDsrFlow = (f >> 3) & 1;
    d.fDtrControl = (f >> 4) & 3;
    d.fDsrSensitivity = (f >> 6) & 1;
    d.fTXContinueOnXoff = (f >> 7) & 1;
    d.fOutX = (f >> 8) & 1;
    d.fInX = (f >> 9) & 1;
    d.fErrorChar = (f >> 10) & 1;
    d.fNull = (f >> 11) & 1;
    d.fRtsControl = (f >> 12) & 3;
    d.fAbortOnError = (f >> 14) & 1;
    d.XonLim = s.XonLim;
    d.XoffLim = s.XoffLim;
    d.ByteSize = s.ByteSize;
    d.Parity = s.Parity;
    d.StopBits = s.StopBits;
    d.XonChar = s.XonChar;
    d.XoffChar = s.XoffChar;
    d.ErrorChar = s.ErrorChar;
    d.EofChar = s.EofChar;
    d.EvtChar = s.EvtChar;
    return d;
}

TSpDCB ZWin32(const DCB& d) {
    TSpDCB s;
    s.DCBlength = d.DCBlength;
    s.BaudRate = d.BaudRate;
    s.Flags = d.fBinary | (d.fParity << 1) | (d.fOutxCtsFlow << 2) | (d.fOutxDsrFlow << 3) |
              (d.fDtrControl << 4) | (d.fDsrSensitivity << 6) | (d.fTXContinueOnXoff << 7) |
              (d.fOutX << 8) | (d.fInX << 9) | (d.fErrorChar << 10) | (d.fNull << 11) |
              (d.fRtsControl << 12) | (d.fAbortOnError << 14);
    s.XonLim = d.XonLim;
    s.XoffLim = d.XoffLim;
    s.ByteSize = d.ByteSize;
    s.Parity = d.Parity;
    s.StopBits = d.StopBits;
    s.XonChar = d.XonChar;
    s.XoffChar = d.XoffChar;
    s.ErrorChar = d.ErrorChar;
    s.EofChar = d.EofChar;
    s.EvtChar = d.EvtChar;
    return s;
}

class TUdalostWin32 {
public:
    explicit TUdalostWin32(bool manual) : h_(CreateEventA(nullptr, manual, FALSE, nullptr)) {}
    ~TUdalostWin32() {
        if (h_)
            CloseHandle(h_);
    }
    TUdalostWin32(const TUdalostWin32&) = delete;
    TUdalostWin32& operator=(const TUdalostWin32&) = delete;
    HANDLE h() const { return h_; }

private:
    HANDLE h_;
};

DWORD Milisekundy(std::chrono::milliseconds t) {
    return t.count() >= static_cast<long long>(INFINITE) ? INFINITE : static_cast<DWORD>(t.count());
}

class TSpBackendWin32 final : public TSpBackend {
public:
    ~TSpBackendWin32() override { Close(); }

    TSpOpenError Open(const std::string& path) override {
        h_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_OVERLAPPED, nullptr);
        if (h_ == INVALID_HANDLE_VALUE) {
            const DWORD e = GetLastError();
            return (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND) ? TSpOpenError::NotFound
                                                                            : TSpOpenError::Busy;
        }
        return TSpOpenError::None;
    }

    bool SetTimeouts() override {
        COMMTIMEOUTS t{MAXDWORD, 0, 0, 0, 0};
        return SetCommTimeouts(h_, &t) != FALSE;
    }

    bool SetupQueues(uint32_t inputSize, uint32_t outputSize) override {
        return SetupComm(h_, inputSize, outputSize) != FALSE;
    }

    bool SetEventMask(uint32_t mask) override { return SetCommMask(h_, mask) != FALSE; }

    bool SetState(const TSpDCB& dcb) override {
        DCB d = NaWin32(dcb);
        return SetCommState(h_, &d) != FALSE;
    }

    bool GetState(TSpDCB& dcb) override {
        DCB d{};
        d.DCBlength = sizeof(DCB);
        if (!GetCommState(h_, &d))
            return false;
        dcb = ZWin32(d);
        return true;
    }

    TSpWaitResult WaitEvent(std::chrono::milliseconds timeout, bool watchLine,
                            uint32_t& mask) override {
        mask = 0;
        if (!watchLine) {
            const DWORD r = WaitForSingleObject(wake_.h(), Milisekundy(timeout));
            return r == WAIT_OBJECT_0 ? TSpWaitResult::Woken : TSpWaitResult::Timeout;
        }
        if (!pending_) {
            ResetEvent(waitEvent_.h());
            waitOv_ = OVERLAPPED{};
            waitOv_.hEvent = waitEvent_.h();
            eventMask_ = 0;
            if (WaitCommEvent(h_, &eventMask_, &waitOv_)) {
                mask = eventMask_;
                return TSpWaitResult::Events;
            }
            if (GetLastError() != ERROR_IO_PENDING)
                return TSpWaitResult::Failed;
            pending_ = true;
        }
        HANDLE objekty[2] = {waitEvent_.h(), wake_.h()};
        switch (WaitForMultipleObjects(2, objekty, FALSE, Milisekundy(timeout))) {
        case WAIT_OBJECT_0: {
            DWORD n = 0;
            pending_ = false;
            if (!GetOverlappedResult(h_, &waitOv_, &n, FALSE))
                return TSpWaitResult::Failed;
            mask = eventMask_;
            return TSpWaitResult::Events;
        }
        case WAIT_OBJECT_0 + 1:
            return TSpWaitResult::Woken;
        case WAIT_TIMEOUT:
            return TSpWaitResult::Timeout;
        default:
            return TSpWaitResult::Failed;
        }
    }

    void Wake() override { SetEvent(wake_.h()); }

    int32_t Read(uint8_t* buffer, int32_t count) override {
        OVERLAPPED ov{};
        ov.hEvent = readEvent_.h();
        ResetEvent(ov.hEvent);
        DWORD got = 0;
        if (!ReadFile(h_, buffer, static_cast<DWORD>(count), &got, &ov)) {
            if (GetLastError() != ERROR_IO_PENDING)
                return -1;
            if (!GetOverlappedResult(h_, &ov, &got, TRUE))
                return 0;
        }
        return static_cast<int32_t>(got);
    }

    int32_t Write(const uint8_t* data, int32_t count, bool& woken) override {
        woken = false;
        OVERLAPPED ov{};
        ov.hEvent = writeEvent_.h();
        ResetEvent(ov.hEvent);
        DWORD done = 0;
        if (WriteFile(h_, data, static_cast<DWORD>(count), &done, &ov))
            return static_cast<int32_t>(done);
        if (GetLastError() != ERROR_IO_PENDING)
            return 0;
        HANDLE objekty[2] = {writeEvent_.h(), cancel_.h()};
        if (WaitForMultipleObjects(2, objekty, FALSE, INFINITE) != WAIT_OBJECT_0) {
            woken = true;
            CancelIoEx(h_, &ov); // the record must not outlive its I/O: end it and wait
        }
        if (!GetOverlappedResult(h_, &ov, &done, TRUE))
            return woken ? static_cast<int32_t>(done) : 0;
        return static_cast<int32_t>(done);
    }

    void CancelWrite() override { SetEvent(cancel_.h()); }

    bool ClearError(uint32_t& errors, TSpComStat& status) override {
        DWORD e = 0;
        COMSTAT s{};
        if (!ClearCommError(h_, &e, &s))
            return false;
        errors = e;
        status.Flags = s.fCtsHold | (s.fDsrHold << 1) | (s.fRlsdHold << 2) | (s.fXoffHold << 3) |
                       (s.fXoffSent << 4) | (s.fEof << 5) | (s.fTxim << 6);
        status.InQueue = s.cbInQue;
        status.OutQueue = s.cbOutQue;
        return true;
    }

    bool Purge(uint32_t flags) override { return PurgeComm(h_, flags) != FALSE; }
    bool Escape(uint32_t code) override { return EscapeCommFunction(h_, code) != FALSE; }

    void Close() override {
        if (h_ == INVALID_HANDLE_VALUE)
            return;
        if (pending_) {
            DWORD n = 0;
            CancelIoEx(h_, &waitOv_);
            GetOverlappedResult(h_, &waitOv_, &n, TRUE);
            pending_ = false;
        }
        CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE h_ = INVALID_HANDLE_VALUE;
    TUdalostWin32 waitEvent_{true};
    TUdalostWin32 readEvent_{true};
    TUdalostWin32 writeEvent_{true};
    TUdalostWin32 wake_{false};
    TUdalostWin32 cancel_{false};
    OVERLAPPED waitOv_{};
    DWORD eventMask_ = 0;
    bool pending_ = false;
};

} // namespace

std::unique_ptr<TSpBackend> SpCreateBackend() {
    return std::make_unique<TSpBackendWin32>();
}
