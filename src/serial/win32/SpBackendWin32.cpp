// The port on Windows: the Win32 communication functions on a device opened for overlapped
// use. The line-event wait and the writer's wait each wait on their I/O event together with a
// wake-up event, so another thread can end them (Wake, CancelWrite) without closing anything.
//
// Drivers differ in what they can do, and the backend stays usable with the weaker ones (Wine's
// ports, virtual ports) without ever waiting in a loop that does not wait:
// - a driver that cannot wait for the line events asked for (ERROR_NOT_SUPPORTED) gets its
//   input queue watched instead: the backend looks at the count at a short interval, sleeping
//   on the wake-up event in between, and reports new bytes as a receive event;
// - reads take only what the queue holds, so a read never waits for bytes to arrive, even on a
//   driver whose reads would;
// - pending I/O is ended with CancelIoEx and waited for before its record is reused, because
//   not every driver ends it on a purge;
// - a line that went away (ERROR_BROKEN_PIPE, ERROR_NOT_READY) is reported once, as a carrier
//   change with an I/O error, and the device is not asked again until the port is reopened;
// - DTR and RTS on a line without them are "nothing to do", not a failure.
#include "serial/SpBackend.h"
#include "serial/win32/SpPrevodWin32.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>

namespace {

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
    if (t.count() <= 0)
        return 0;
    return t.count() >= static_cast<long long>(INFINITE) ? INFINITE : static_cast<DWORD>(t.count());
}

// How often the input queue is looked at when the driver cannot wait for line events: short
// against a character time at the link's rates, long enough that the look costs nothing.
constexpr std::chrono::milliseconds kKrokHlidani{10};
// A read of bytes already queued completes at once; should a driver still keep it pending,
// it is cancelled after this instead of holding the user-interface thread.
constexpr DWORD kMezCteni = 1000;

class TSpBackendWin32 final : public TSpBackend {
public:
    ~TSpBackendWin32() override { Close(); }

    TSpOpenError Open(const std::string& path) override {
        h_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_OVERLAPPED, nullptr);
        if (h_ == INVALID_HANDLE_VALUE) {
            const TSpOpenError e = SpChybaOtevreniWin32(GetLastError());
            return e == TSpOpenError::oeNone ? TSpOpenError::oeBusy : e;
        }
        // A name that opens something other than a serial port (Wine gives every COM number a
        // handle, with a device behind it or not) is a port that does not exist.
        DCB d{};
        d.DCBlength = sizeof(DCB);
        if (GetFileType(h_) != FILE_TYPE_CHAR || !GetCommState(h_, &d)) {
            Close();
            return TSpOpenError::oeNotFound;
        }
        hungUp_ = false;
        hangUpReported_ = false;
        watchQueue_ = false;
        pending_ = false;
        seen_ = 0;
        errors_ = 0;
        return TSpOpenError::oeNone;
    }

    bool SetTimeouts() override {
        COMMTIMEOUTS t{MAXDWORD, 0, 0, 0, 0};
        return SetCommTimeouts(h_, &t) != FALSE;
    }

    bool SetupQueues(uint32_t inputSize, uint32_t outputSize) override {
        return SetupComm(h_, inputSize, outputSize) != FALSE;
    }

    bool SetEventMask(uint32_t mask) override {
        mask_ = mask;
        if (hungUp_)
            return true;
        if (SetCommMask(h_, mask))
            return true;
        return mask == 0 && SpJeZaveseniWin32(GetLastError());
    }

    bool SetState(const TSpDCB& dcb) override {
        DCB d = SpDcbNaWin32(dcb);
        return SetCommState(h_, &d) != FALSE;
    }

    bool GetState(TSpDCB& dcb) override {
        DCB d{};
        d.DCBlength = sizeof(DCB);
        if (!GetCommState(h_, &d))
            return false;
        dcb = SpDcbZWin32(d);
        return true;
    }

    TSpWaitResult WaitEvent(std::chrono::milliseconds timeout, bool watchLine,
                            uint32_t& mask) override {
        mask = 0;
        if (hungUp_ && !hangUpReported_.exchange(true)) {
            mask = (SpLineEvent::Rlsd | SpLineEvent::Err) & mask_;
            if (mask != 0)
                return TSpWaitResult::wrEvents;
        }
        if (mask_ == 0 && !pending_)
            return TSpWaitResult::wrEvents; // the mask was cleared: the wait ends with 0
        if (!watchLine || hungUp_)
            return CekejNaBuzeni(timeout);
        if (watchQueue_)
            return HlidejFrontu(timeout, mask);
        if (!pending_) {
            ResetEvent(waitEvent_.h());
            waitOv_ = OVERLAPPED{};
            waitOv_.hEvent = waitEvent_.h();
            eventMask_ = 0;
            if (WaitCommEvent(h_, &eventMask_, &waitOv_)) {
                mask = eventMask_;
                return TSpWaitResult::wrEvents;
            }
            const DWORD e = GetLastError();
            if (e != ERROR_IO_PENDING) {
                if (SpJeZaveseniWin32(e))
                    return Zaveseno(mask);
                if (SpNepodporovanoWin32(e)) {
                    watchQueue_ = true; // for as long as the port stays open
                    return HlidejFrontu(timeout, mask);
                }
                return TSpWaitResult::wrFailed; // the core sits out one poll interval
            }
            pending_ = true;
        }
        HANDLE objekty[2] = {waitEvent_.h(), wake_.h()};
        switch (WaitForMultipleObjects(2, objekty, FALSE, Milisekundy(timeout))) {
        case WAIT_OBJECT_0: {
            // Over either way: a wait whose result cannot be fetched is not waited for again,
            // or its signalled event would end every later wait at once.
            DWORD n = 0;
            pending_ = false;
            ResetEvent(waitEvent_.h());
            if (!GetOverlappedResult(h_, &waitOv_, &n, FALSE)) {
                if (SpJeZaveseniWin32(GetLastError()))
                    return Zaveseno(mask);
                return TSpWaitResult::wrFailed;
            }
            mask = eventMask_;
            return TSpWaitResult::wrEvents;
        }
        case WAIT_OBJECT_0 + 1:
            return TSpWaitResult::wrWoken;
        case WAIT_TIMEOUT:
            return TSpWaitResult::wrTimeout;
        default:
            return TSpWaitResult::wrFailed;
        }
    }

    void Wake() override { SetEvent(wake_.h()); }

    int32_t Read(uint8_t* buffer, int32_t count) override {
        if (hungUp_ || count <= 0)
            return 0;
        const int32_t queued = static_cast<int32_t>(Fronta());
        const DWORD want = static_cast<DWORD>(std::min(count, queued));
        if (want == 0)
            return 0;
        OVERLAPPED ov{};
        ov.hEvent = readEvent_.h();
        ResetEvent(ov.hEvent);
        DWORD got = 0;
        if (!ReadFile(h_, buffer, want, &got, &ov)) {
            const DWORD e = GetLastError();
            if (e != ERROR_IO_PENDING) {
                if (SpJeZaveseniWin32(e))
                    Zaves();
                return -1;
            }
            if (WaitForSingleObject(ov.hEvent, kMezCteni) != WAIT_OBJECT_0)
                CancelIoEx(h_, &ov);
            if (!GetOverlappedResult(h_, &ov, &got, TRUE) && SpJeZaveseniWin32(GetLastError()))
                Zaves();
        }
        Precteno(got);
        return static_cast<int32_t>(got);
    }

    int32_t Write(const uint8_t* data, int32_t count, bool& woken) override {
        woken = false;
        if (hungUp_)
            return 0;
        OVERLAPPED ov{};
        ov.hEvent = writeEvent_.h();
        ResetEvent(ov.hEvent);
        DWORD done = 0;
        if (WriteFile(h_, data, static_cast<DWORD>(count), &done, &ov))
            return static_cast<int32_t>(done);
        const DWORD e = GetLastError();
        if (e != ERROR_IO_PENDING) {
            if (SpJeZaveseniWin32(e))
                Zaves();
            return 0;
        }
        HANDLE objekty[2] = {writeEvent_.h(), cancel_.h()};
        if (WaitForMultipleObjects(2, objekty, FALSE, INFINITE) != WAIT_OBJECT_0) {
            // A purge does not end a pending write on every driver: end it here, and wait for
            // it, as the record must not outlive its I/O.
            woken = true;
            CancelIoEx(h_, &ov);
        }
        if (!GetOverlappedResult(h_, &ov, &done, TRUE)) {
            if (SpJeZaveseniWin32(GetLastError()))
                Zaves();
            return woken ? static_cast<int32_t>(done) : 0;
        }
        return static_cast<int32_t>(done);
    }

    void CancelWrite() override { SetEvent(cancel_.h()); }

    bool ClearError(uint32_t& errors, TSpComStat& status) override {
        status = {};
        COMSTAT s{};
        if (!ZeptejSe(&s)) {
            errors = TakeErrors();
            return hungUp_;
        }
        errors = TakeErrors();
        status.Flags = s.fCtsHold | (s.fDsrHold << 1) | (s.fRlsdHold << 2) | (s.fXoffHold << 3) |
                       (s.fXoffSent << 4) | (s.fEof << 5) | (s.fTxim << 6);
        status.InQueue = s.cbInQue;
        status.OutQueue = s.cbOutQue;
        return true;
    }

    bool Purge(uint32_t flags) override {
        if (flags & (SpPurge::RxAbort | SpPurge::RxClear)) {
            std::lock_guard lock(stateLock_);
            seen_ = 0;
        }
        return PurgeComm(h_, flags) != FALSE || hungUp_;
    }

    bool Escape(uint32_t code) override {
        if (EscapeCommFunction(h_, code))
            return true;
        // A line without modem lines (a pseudo-terminal, some virtual ports): nothing to do.
        const bool lineFunction = code == SpEscape::SetDtr || code == SpEscape::ClrDtr ||
                                  code == SpEscape::SetRts || code == SpEscape::ClrRts;
        return lineFunction && SpNepodporovanoWin32(GetLastError());
    }

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
    TSpWaitResult CekejNaBuzeni(std::chrono::milliseconds timeout) {
        return WaitForSingleObject(wake_.h(), Milisekundy(timeout)) == WAIT_OBJECT_0
                   ? TSpWaitResult::wrWoken
                   : TSpWaitResult::wrTimeout;
    }

    // The line-event wait of a driver that cannot make one: bytes that arrived since the last
    // look (reads and purges taken into account) are a receive event.
    TSpWaitResult HlidejFrontu(std::chrono::milliseconds timeout, uint32_t& mask) {
        const ULONGLONG konec = GetTickCount64() + static_cast<ULONGLONG>(Milisekundy(timeout));
        for (;;) {
            COMSTAT s{};
            if (!ZeptejSe(&s))
                return hungUp_ ? Zaveseno(mask) : TSpWaitResult::wrFailed;
            {
                std::lock_guard lock(stateLock_);
                if (s.cbInQue > seen_)
                    mask |= SpLineEvent::RxChar & mask_;
                seen_ = s.cbInQue;
                if (errors_ != 0)
                    mask |= SpLineEvent::Err & mask_;
            }
            if (mask != 0)
                return TSpWaitResult::wrEvents;
            const ULONGLONG ted = GetTickCount64();
            if (ted >= konec)
                return TSpWaitResult::wrTimeout;
            const DWORD krok = static_cast<DWORD>(
                std::min<ULONGLONG>(konec - ted, static_cast<ULONGLONG>(kKrokHlidani.count())));
            if (WaitForSingleObject(wake_.h(), krok) == WAIT_OBJECT_0)
                return TSpWaitResult::wrWoken;
        }
    }

    // The status query of the driver; its error word is kept until the core takes it, as the
    // event thread's look at the queue may be the one that fetched it.
    bool ZeptejSe(COMSTAT* s) {
        if (hungUp_)
            return false;
        DWORD e = 0;
        if (!ClearCommError(h_, &e, s)) {
            if (SpJeZaveseniWin32(GetLastError()))
                Zaves();
            return false;
        }
        std::lock_guard lock(stateLock_);
        errors_ |= e;
        return true;
    }

    DWORD Fronta() {
        COMSTAT s{};
        return ZeptejSe(&s) ? s.cbInQue : 0;
    }

    void Precteno(DWORD n) {
        std::lock_guard lock(stateLock_);
        seen_ -= std::min(seen_, n);
    }

    uint32_t TakeErrors() {
        std::lock_guard lock(stateLock_);
        const uint32_t e = errors_;
        errors_ = 0;
        return e;
    }

    // Once per opening, whichever thread notices it: the device is not asked again, and the
    // event thread reports it once.
    void Zaves() {
        if (hungUp_.exchange(true))
            return;
        {
            std::lock_guard lock(stateLock_);
            errors_ |= SpLineError::IoError;
        }
        SetEvent(wake_.h());
    }

    TSpWaitResult Zaveseno(uint32_t& mask) {
        Zaves();
        if (hangUpReported_.exchange(true))
            return TSpWaitResult::wrWoken;
        mask = (SpLineEvent::Rlsd | SpLineEvent::Err) & mask_;
        return mask != 0 ? TSpWaitResult::wrEvents : TSpWaitResult::wrWoken;
    }

    HANDLE h_ = INVALID_HANDLE_VALUE;
    TUdalostWin32 waitEvent_{true};
    TUdalostWin32 readEvent_{true};
    TUdalostWin32 writeEvent_{true};
    TUdalostWin32 wake_{false};
    TUdalostWin32 cancel_{false};
    OVERLAPPED waitOv_{};
    DWORD eventMask_ = 0;
    bool pending_ = false;    // event thread only
    bool watchQueue_ = false; // event thread only: the driver cannot wait for line events
    std::atomic<uint32_t> mask_{0};
    std::atomic<bool> hungUp_{false};
    std::atomic<bool> hangUpReported_{false};
    std::mutex stateLock_;
    DWORD seen_ = 0;      // under stateLock_: queued bytes already reported
    uint32_t errors_ = 0; // under stateLock_: error word fetched and not yet taken
};

} // namespace

std::unique_ptr<TSpBackend> SpCreateBackend() {
    return std::make_unique<TSpBackendWin32>();
}
