// The one interface between the port core and the operating system: the device operations the
// core needs, each with the behaviour the core relies on. serial/posix/ and serial/win32/ each
// provide one implementation, picked by the build; tests may hand the core a fake.
//
// Thread contract: WaitEvent runs on the event thread only, Write on the write thread only.
// Wake and CancelWrite may be called from any thread at any time while the device is open.
// Every other operation is called by the core under its port lock or write lock, and Open
// and Close only while neither worker thread exists.
#pragma once

#include "serial/SpDcb.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

enum class TSpOpenError {
    oeNone,
    oeNotFound,  // the device does not exist
    oeBusy,      // it exists but another program holds it
    oeNoAccess,  // it exists but the user may not open it (device file permissions)
    oeNotDevice, // it exists but is no serial device (a folder, a plain file)
};

enum class TSpWaitResult {
    wrEvents,  // a line-event wait completed; its mask may be 0 (the event mask was cleared)
    wrTimeout, // nothing within the time given
    wrWoken,   // Wake() was called
    wrFailed,  // the wait could not be made
};

class TSpBackend {
public:
    virtual ~TSpBackend() = default;

    // Opens the device for exclusive use. Nothing is left open on failure.
    virtual TSpOpenError Open(const std::string& path) = 0;
    // Reads return at once with what has been received; writes have no time limit.
    virtual bool SetTimeouts() = 0;
    // Sizes the input and output queues of the device.
    virtual bool SetupQueues(uint32_t inputSize, uint32_t outputSize) = 0;
    // Selects the line events; 0 makes a pending or later WaitEvent complete with mask 0.
    virtual bool SetEventMask(uint32_t mask) = 0;
    virtual bool SetState(const TSpDCB& dcb) = 0;
    // What the device really has (after a refused SetState, for instance).
    virtual bool GetState(TSpDCB& dcb) = 0;

    // Waits at most `timeout` for a line event of the mask (only for Wake when watchLine is
    // false). A wait that times out stays pending and is continued by the next call.
    virtual TSpWaitResult WaitEvent(std::chrono::milliseconds timeout, bool watchLine,
                                    uint32_t& mask) = 0;
    // Ends the current (or the next) WaitEvent with wrWoken.
    virtual void Wake() = 0;

    // Takes at most count bytes of what has been received, without waiting; -1 on failure.
    virtual int32_t Read(uint8_t* buffer, int32_t count) = 0;
    // Writes the block, waiting as long as the device needs. Returns the bytes written; fewer
    // than count when the device failed, or when CancelWrite released the wait (woken = true).
    virtual int32_t Write(const uint8_t* data, int32_t count, bool& woken) = 0;
    // Releases the current (or the next) Write. A release that finds no Write to end is
    // harmless: the writer looks at its own events and goes on.
    virtual void CancelWrite() = 0;

    // Returns the error word accumulated since the last query, clearing it, and the queue counts.
    virtual bool ClearError(uint32_t& errors, TSpComStat& status) = 0;
    virtual bool Purge(uint32_t flags) = 0;
    // DTR and RTS. A device that has no such lines (a pseudo-terminal) succeeds doing nothing.
    virtual bool Escape(uint32_t code) = 0;
    virtual void Close() = 0;
};

using TSpBackendFactory = std::unique_ptr<TSpBackend> (*)();

// The backend of the system the program was built for.
std::unique_ptr<TSpBackend> SpCreateBackend();

// The seven thread priorities of the port threads (tpIdle .. tpTimeCritical, ordinals 0..6).
enum class TSpThreadPriority : uint8_t {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical
};

// The priorities the port threads start with, the component's and a bare core's alike (the
// component hands its own to the core at every open): the writer above the rest, so that
// queued bytes leave for the line without gaps while the program is busy.
constexpr TSpThreadPriority kSpPrioritaUdalosti = TSpThreadPriority::tpNormal;
constexpr TSpThreadPriority kSpPrioritaZapisu = TSpThreadPriority::tpHighest;

// Gives a running thread the priority where the system allows; false when it is only stored.
bool SpApplyThreadPriority(std::thread& thread, TSpThreadPriority priority);
