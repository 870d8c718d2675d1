#include "serial/SpComPortThreads.h"

#include <cstring>
#include <iostream>

TSpComPortCoreThread::TSpComPortCoreThread(TSpComPortCore& core, TSpBackend& device)
    : core_(core), device_(device) {}

TSpComPortCoreThread::~TSpComPortCoreThread() {
    if (thread_.joinable())
        Stop();
}

void TSpComPortCoreThread::Start() {
    thread_ = std::thread([this] { Run(); });
}

void TSpComPortCoreThread::Stop() {
    RequestTerminate();
    stop_.Set();
    WakeDeviceWait();
    if (thread_.joinable())
        thread_.join();
}

void TSpComPortCoreThread::Run() {
    try {
        Execute();
    } catch (...) {
        HandleException(std::current_exception());
    }
}

void TSpComPortCoreThread::HandleException(std::exception_ptr error) {
    // The write thread calls nothing that throws; should it ever, the program goes on and the
    // text goes where a terminal can see it.
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::cerr << "serial port thread: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "serial port thread: unknown error\n";
    }
}

// --- event thread ---------------------------------------------------------------------------

TSpComPortEventThread::TSpComPortEventThread(TSpComPortCore& core, TSpBackend& device,
                                             TSpComPortCore::TEventCallback callback)
    : TSpComPortCoreThread(core, device), callback_(std::move(callback)) {}

void TSpComPortEventThread::Execute() {
    core_.outputEmpty_.Reset();
    bool waitEnded = false;  // the wait completed with mask 0: only the poll serves from now on
    bool waitFailed = false; // the last wait could not be made: sit out one poll interval
    core_.started_.Set();
    while (!Terminated()) {
        if (stop_.IsSet()) {
            RequestTerminate();
            break;
        }
        if (core_.outputEmpty_.Wait(std::chrono::milliseconds(0))) {
            Report(TSpCoreEvent::ekOutputEmpty, 0);
            continue;
        }
        uint32_t mask = 0;
        const bool watchLine = !waitEnded && !waitFailed;
        waitFailed = false;
        switch (device_.WaitEvent(core_.timing_.Poll, watchLine, mask)) {
        case TSpWaitResult::wrEvents:
            if (mask == 0)
                waitEnded = true;
            else
                Report(TSpCoreEvent::ekLineEvents, mask);
            break;
        case TSpWaitResult::wrTimeout: {
            const TSpComStat status = core_.QueryStatus();
            if (status.InQueue > 0)
                Report(TSpCoreEvent::ekInputWaiting, status.InQueue);
            break;
        }
        case TSpWaitResult::wrFailed:
            waitFailed = true;
            break;
        case TSpWaitResult::wrWoken:
            break;
        }
    }
}

void TSpComPortEventThread::Report(TSpCoreEvent kind, uint32_t data, std::exception_ptr error) {
    if (!reporting_ || !callback_)
        return;
    try {
        callback_(core_, kind, data, error);
    } catch (...) {
        if (kind != TSpCoreEvent::ekThreadError)
            HandleException(std::current_exception());
    }
}

void TSpComPortEventThread::HandleException(std::exception_ptr error) {
    if (reporting_ && callback_)
        Report(TSpCoreEvent::ekThreadError, 0, error);
    else
        TSpComPortCoreThread::HandleException(error);
}

// --- write thread ---------------------------------------------------------------------------

TSpComPortWriteThread::TSpComPortWriteThread(TSpComPortCore& core, TSpBackend& device,
                                             int32_t bufferSize)
    : TSpComPortCoreThread(core, device), buffer_(bufferSize),
      piece_(static_cast<size_t>(buffer_.Capacity())) {}

void TSpComPortWriteThread::Execute() {
    core_.started_.Set();
    while (!Terminated()) {
        switch (TSpEvent::WaitAny({&stop_, &flushRequest_, &dataReady_}, SpInfinite)) {
        case 0:
            RequestTerminate();
            break;
        case 1:
            flushDone_.Set();
            break;
        case 2:
            WriteNextPiece();
            break;
        default:
            break;
        }
    }
}

void TSpComPortWriteThread::WriteNextPiece() {
    int32_t length = 0;
    uint64_t clearsBefore = 0;
    {
        std::lock_guard lock(core_.writeLock_);
        length = buffer_.ContiguousUsed();
        std::memcpy(piece_.data(), buffer_.ReadPointer(), static_cast<size_t>(length));
        clearsBefore = clears_;
    }
    if (length == 0)
        return;
    int32_t written = 0;
    bool failed = false;
    while (written < length) {
        bool woken = false;
        const int32_t n = device_.Write(piece_.data() + written, length - written, woken);
        written += n > 0 ? n : 0;
        if (!woken && written < length) {
            failed = true; // the device refused: the rest waits for the next enqueue
            break;
        }
        // Woken by a flush request or by the stop: the purge that follows discards the rest.
        if (woken && (stop_.IsSet() || flushRequest_.IsSet()))
            break;
    }
    bool empty = false;
    {
        std::lock_guard lock(core_.writeLock_);
        if (clears_ != clearsBefore)
            return; // purged meanwhile: the buffer holds other bytes now
        // Only what the device took leaves the buffer, so a short write never sends a byte twice.
        buffer_.Remove(written);
        if (buffer_.Used() > 0) {
            if (written == length && !failed)
                dataReady_.Set(); // the next piece, for instance the part after the wrap
        } else {
            empty = true;
        }
    }
    if (empty) {
        core_.outputEmpty_.Set();
        device_.Wake(); // the event thread reports it
    }
}

bool TSpComPortWriteThread::Enqueue(const uint8_t* data, int32_t count) {
    std::lock_guard lock(core_.writeLock_);
    if (!buffer_.Put(data, count))
        return false;
    dataReady_.Set();
    return true;
}

bool TSpComPortWriteThread::Purge(std::chrono::milliseconds timeout) {
    flushDone_.Reset(); // an answer to an earlier purge that gave up waiting
    flushRequest_.Set();
    device_.CancelWrite();
    if (!flushDone_.Wait(timeout))
        return false;
    std::lock_guard lock(core_.writeLock_);
    dataReady_.Reset();
    buffer_.Clear();
    ++clears_;
    return device_.Purge(SpPurge::TxAbort | SpPurge::TxClear);
}

int32_t TSpComPortWriteThread::Free() {
    std::lock_guard lock(core_.writeLock_);
    return buffer_.Free();
}
