// The two worker threads of an open port. Each is created fully set up, then started; it
// signals the core's started event as its first act and is stopped and freed by the close
// sequence, so it never outlives the device it was given.
#pragma once

#include "serial/SpBackend.h"
#include "serial/SpCircularBuffer.h"
#include "serial/SpComPortCore.h"
#include "serial/SpEvent.h"

#include <atomic>
#include <thread>
#include <vector>

// What both threads share: the stop event, the terminate request and the common stop.
class TSpComPortCoreThread {
public:
    TSpComPortCoreThread(TSpComPortCore& core, TSpBackend& device);
    virtual ~TSpComPortCoreThread();
    TSpComPortCoreThread(const TSpComPortCoreThread&) = delete;
    TSpComPortCoreThread& operator=(const TSpComPortCoreThread&) = delete;

    void Start();
    void RequestTerminate() { terminated_ = true; }
    // Requests termination, signals the stop event, wakes the thread's device wait and waits
    // until the thread has finished.
    void Stop();
    std::thread& Thread() { return thread_; }

protected:
    virtual void Execute() = 0;
    virtual void WakeDeviceWait() = 0;
    // An exception that escaped Execute; the thread then ends.
    virtual void HandleException(std::exception_ptr error);
    bool Terminated() const { return terminated_; }

    TSpComPortCore& core_;
    TSpBackend& device_;
    std::shared_ptr<TSpEventGroup> group_ = std::make_shared<TSpEventGroup>();
    TSpEvent stop_{TSpEventReset::erManual, group_};

private:
    void Run();
    std::atomic<bool> terminated_{false};
    std::thread thread_;
};

class TSpComPortEventThread : public TSpComPortCoreThread {
public:
    TSpComPortEventThread(TSpComPortCore& core, TSpBackend& device,
                          TSpComPortCore::TEventCallback callback);
    // From now on nothing is reported, even an event already under way to the callback.
    void ForgetCallback() { reporting_ = false; }

protected:
    void Execute() override;
    void WakeDeviceWait() override { device_.Wake(); }
    void HandleException(std::exception_ptr error) override;

private:
    void Report(TSpCoreEvent kind, uint32_t data, std::exception_ptr error = nullptr);
    TSpComPortCore::TEventCallback callback_;
    std::atomic<bool> reporting_{true};
};

class TSpComPortWriteThread : public TSpComPortCoreThread {
public:
    TSpComPortWriteThread(TSpComPortCore& core, TSpBackend& device, int32_t bufferSize);

    // The writer's side of the core's operations, called on the user-interface thread.
    bool Enqueue(const uint8_t* data, int32_t count);
    bool Purge(std::chrono::milliseconds timeout);
    int32_t Free();

protected:
    void Execute() override;
    void WakeDeviceWait() override { device_.CancelWrite(); }

private:
    void WriteNextPiece();

    TSpEvent flushRequest_{TSpEventReset::erAuto, group_};
    TSpEvent flushDone_{TSpEventReset::erAuto};
    TSpEvent dataReady_{TSpEventReset::erAuto, group_};
    TSpCircularBuffer buffer_;   // under the core's write lock
    uint64_t clears_ = 0;        // under the write lock: counts purges, so a piece in flight
                                 // during a purge is not removed from the new contents
    std::vector<uint8_t> piece_; // the writer's own copy of the piece being written
};
