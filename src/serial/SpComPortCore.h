// The port core: the device of one COM port, its line settings and the two worker threads
// that run beside the user-interface thread while the port is open. Created once by the port
// component and opened and closed many times during its life.
//
// Thread contract:
// - every public operation is called by one thread, the user-interface thread;
// - the event thread waits for line events, polls the input queue and calls the event
//   callback; the callback runs on the event thread and may call QueryStatus, TakeLineErrors,
//   ReadData and OutputFree, nothing that opens, closes or reconfigures the port;
// - the write thread drains the output ring buffer into the device and calls nothing back.
//
// Locks: the port lock guards the device status query with the line-error word, input purges,
// reads, line functions and the device handle's release; the write lock guards the output ring
// buffer and output purges. A thread holds the port lock only around single device calls that
// do not wait, and the close sequence never holds it while it waits for a worker thread, so
// closing cannot wait for a thread that waits for the lock (see ClosePort).
#pragma once

#include "serial/SpBackend.h"
#include "serial/SpDcb.h"
#include "serial/SpEvent.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

class TSpComPortEventThread;
class TSpComPortWriteThread;

// What the event callback is told, with its 32-bit data word.
enum class TSpCoreEvent : uint8_t {
    ekOutputEmpty,  // everything queued has been handed to the device; data 0
    ekLineEvents,   // a line-event wait completed; data = the event mask
    ekInputWaiting, // the poll found input waiting without a receive event; data = byte count
    ekThreadError,  // an exception escaped the callback; it travels in the exception argument
};

// The intervals of the core. Tests shorten them; the program keeps the defaults.
struct TSpCoreTiming {
    std::chrono::milliseconds Poll{200};         // input poll of the event thread
    std::chrono::milliseconds ThreadStart{3000}; // a worker thread must signal within this
    std::chrono::milliseconds Flush{2000};       // the writer must answer a flush within this
};

class TSpComPortCore {
public:
    using TEventCallback = std::function<void(TSpComPortCore& sender, TSpCoreEvent kind,
                                              uint32_t data, std::exception_ptr error)>;

    explicit TSpComPortCore(TSpBackendFactory backendFactory = &SpCreateBackend);
    ~TSpComPortCore(); // closes an open port
    TSpComPortCore(const TSpComPortCore&) = delete;
    TSpComPortCore& operator=(const TSpComPortCore&) = delete;

    // Opens "COM<number>" as SpDevicePath resolves it. False without effect when already
    // open; raises ESpComPortCoreError on failure, leaving the core closed.
    bool OpenPort(int number);
    // Opens a device by its path; error texts name the path where they would name "COM<n>".
    bool OpenPath(const std::string& path);
    void ClosePort();

    // Three stages of one opening, which differ only while OpenPort or ClosePort runs:
    // - a device handle (device_ set): from the device's open until the close sequence's end;
    // - Active: from the write thread's start, before the event thread starts, until the close
    //   sequence begins; the worker threads read it (hence atomic), and every operation that
    //   reaches the device or the writer checks it;
    // - Opened: only once the whole open sequence has succeeded, until ClosePort is done; it
    //   decides whether OpenPort and ClosePort have anything to do.
    // Seen from the user-interface thread between its calls the three agree: all or none.
    bool Opened() const { return opened_; }
    bool Active() const { return active_.load(); }
    int PortNumber() const { return portNumber_; }

    // Zero when not active. Accumulates the error word into the line errors.
    TSpComStat QueryStatus();
    uint32_t TakeLineErrors();
    // The bytes read (never waits for more than has arrived); -1 when not active or when the
    // device fails.
    int32_t ReadData(uint8_t* buffer, int32_t count);
    // Queues the whole block or nothing; false when not active or when it does not fit.
    bool WriteData(const uint8_t* data, int32_t count);
    bool PurgeInput();
    bool PurgeOutput();
    int32_t OutputFree();
    bool EscapeLine(uint32_t code);

    // Replaces the settings; applied to the device at once when active (raises when refused,
    // leaving the device's actual settings in DCB()).
    void ApplyDCB(const TSpDCB& dcb);
    const TSpDCB& DCB() const { return dcb_; }

    void SetInputQueueSize(uint32_t size) { inputQueueSize_ = size; }
    void SetOutputQueueSize(uint32_t size) { outputQueueSize_ = size; }
    uint32_t InputQueueSize() const { return inputQueueSize_; }
    uint32_t OutputQueueSize() const { return outputQueueSize_; }
    void SetEventThreadPriority(TSpThreadPriority priority);
    void SetWriteThreadPriority(TSpThreadPriority priority);
    TSpThreadPriority EventThreadPriority() const { return eventThreadPriority_; }
    TSpThreadPriority WriteThreadPriority() const { return writeThreadPriority_; }

    // Set while closed; the event thread takes a copy when it starts.
    void SetEventCallback(TEventCallback callback) { callback_ = std::move(callback); }
    void SetTiming(const TSpCoreTiming& timing) { timing_ = timing; }
    const TSpCoreTiming& Timing() const { return timing_; }

private:
    friend class TSpComPortEventThread;
    friend class TSpComPortWriteThread;

    bool OpenSequence(const std::string& path, const std::string& name);
    void CloseSequence();
    bool WriterPurge();

    std::atomic<bool> active_{false};
    int portNumber_ = 0;
    TSpDCB dcb_;
    uint32_t eventMask_ = SpLineEvent::CoreMask;
    TSpBackendFactory backendFactory_;
    std::unique_ptr<TSpBackend> device_; // empty = no device handle
    bool opened_ = false;
    uint32_t lineErrors_ = 0; // under the port lock
    uint32_t inputQueueSize_ = 8192;
    uint32_t outputQueueSize_ = 4096;
    TEventCallback callback_;
    std::mutex portLock_;
    std::mutex writeLock_;
    std::unique_ptr<TSpComPortEventThread> eventThread_;
    TSpEvent started_{TSpEventReset::erAuto};
    TSpEvent outputEmpty_{TSpEventReset::erAuto};
    std::unique_ptr<TSpComPortWriteThread> writeThread_;
    TSpThreadPriority writeThreadPriority_ = kSpPrioritaZapisu;
    TSpThreadPriority eventThreadPriority_ = kSpPrioritaUdalosti;
    TSpCoreTiming timing_;
};
