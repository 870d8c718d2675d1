// The serial port as the rest of the program sees it: typed line settings turned into a DCB,
// opening and closing through the port core, and received data and line events delivered as
// events on the user-interface thread through the sync call table.
//
// Thread contract:
// - every operation and property of the component is used on the user-interface thread (the
//   thread of the sync call table's TSpSyncUi); every event except OnNonSyncEvent is raised
//   there, inside a sync call, so a handler may call anything, Close included;
// - OnNonSyncEvent runs on the port's event thread; set it (like every handler) while closed;
// - the worker-thread handler reads the closing flag and writes the event mailbox only.
#pragma once

#include "serial/SpComPortCore.h"
#include "serial/SpSyncCall.h"
#include "serial/SpTypes.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

// Everything of the component but the port number. (The program links no data dispatcher,
// so the component has no root class for one.)
class TSpCustomSerialPort {
public:
    using TSpNotifyEvent = std::function<void(TSpCustomSerialPort& sender)>;
    using TSpDataEvent = std::function<void(TSpCustomSerialPort& sender, int32_t count)>;
    using TSpLineErrorEvent = std::function<void(TSpCustomSerialPort& sender, uint32_t errors)>;
    using TSpCoreEventHandler =
        std::function<void(TSpCustomSerialPort& sender, TSpCoreEvent kind, uint32_t data)>;

    // Registers with the sync call table (disabled) and creates the core; the port is closed.
    explicit TSpCustomSerialPort(std::string name = {},
                                 TSpSyncCallTable& syncTable = TSpSyncCallTable::Global(),
                                 TSpBackendFactory backendFactory = &SpCreateBackend);
    // Removes the registration and closes an open port, without OnPortClose.
    virtual ~TSpCustomSerialPort();
    TSpCustomSerialPort(const TSpCustomSerialPort&) = delete;
    TSpCustomSerialPort& operator=(const TSpCustomSerialPort&) = delete;

    bool Active() const { return core_->Opened(); }
    void SetActive(bool value);
    // Raises the core's ESpComPortCoreError when the device cannot be opened.
    void Open();
    void Close();

    // Every byte waiting at this moment (empty when none, or when closed).
    std::string ReadString();
    // Raises ReadData's error when fewer than size bytes were waiting.
    int32_t ReadData(uint8_t* buffer, int32_t size);
    void WriteString(const std::string& text);
    // Queues all bytes or raises "Write data error [requested: %d, free: %d]".
    void WriteData(const uint8_t* data, int32_t size);
    void PurgeInput();
    void PurgeOutput();
    int32_t OutputFree() { return core_->OutputFree(); }
    int32_t InQueCount() { return static_cast<int32_t>(core_->QueryStatus().InQueue); }

    // Properties; see the setters for what each change does.
    TSpBaudrate BaudRate() const { return baudRate_; }
    void SetBaudRate(TSpBaudrate value);
    int32_t UserBaudRate() const { return userBaudRate_; }
    void SetUserBaudRate(int32_t value);
    TSpDatabits Databits() const { return databits_; }
    void SetDatabits(TSpDatabits value);
    TSpParity Parity() const { return parity_; }
    void SetParity(TSpParity value);
    TSpStopbits Stopbits() const { return stopbits_; }
    void SetStopbits(TSpStopbits value);
    TSpFlowControl FlowControl() const { return flowControl_; }
    void SetFlowControl(TSpFlowControl value);
    TSpComOptions Options() const { return options_; }
    void SetOptions(TSpComOptions value);
    bool DTR() const { return dtr_; }
    void SetDTR(bool value); // the line follows at once while open; the DCB at the next rebuild
    bool RTS() const { return rts_; }
    void SetRTS(bool value);
    int32_t InBufSize() const { return inBufSize_; }
    void SetInBufSize(int32_t value); // raises "Port is not closed" while open
    int32_t OutBufSize() const { return outBufSize_; }
    void SetOutBufSize(int32_t value); // raises "Port is not closed" while open
    char XOnChar() const { return xonChar_; }
    void SetXOnChar(char value);
    char XOffChar() const { return xoffChar_; }
    void SetXOffChar(char value);
    uint16_t XOnLim() const { return xonLim_; }
    void SetXOnLim(uint16_t value);
    uint16_t XOffLim() const { return xoffLim_; }
    void SetXOffLim(uint16_t value);
    TSpThreadPriority EventThreadPriority() const { return eventThreadPriority_; }
    void SetEventThreadPriority(TSpThreadPriority value) { eventThreadPriority_ = value; }
    TSpThreadPriority WriteThreadPriority() const { return writeThreadPriority_; }
    void SetWriteThreadPriority(TSpThreadPriority value) { writeThreadPriority_ = value; }
    bool AutoOpen() const { return autoOpen_; }
    void SetAutoOpen(bool value) { autoOpen_ = value; }

    // The DCB the properties make (what the core gets at the next Open).
    const TSpDCB& DCB() const { return dcb_; }

    // How long the event thread waits for the user-interface thread per event (2000 ms), and
    // the core's intervals. Tests shorten them.
    void SetSyncTimeout(std::chrono::milliseconds timeout) { syncTimeout_ = timeout; }
    void SetCoreTiming(const TSpCoreTiming& timing) { core_->SetTiming(timing); }

    // Set by the user interface: called with true before the device is opened and with false
    // afterwards, whether or not that succeeded (the hourglass cursor).
    static std::function<void(bool busy)> HourglassHook;

    TSpDataEvent OnDataRecived;
    TSpLineErrorEvent OnLineError;
    TSpNotifyEvent OnCTSChanged, OnDSRChanged, OnRINGDetected, OnRLSDChanged;
    TSpNotifyEvent OnOutBufFree;
    TSpNotifyEvent OnPortOpen, OnPortClose;
    TSpCoreEventHandler OnSyncEvent;    // every event on the user-interface thread, first
    TSpCoreEventHandler OnNonSyncEvent; // on the event thread; when set, nothing is forwarded

    std::string Name; // appears in the component's error texts

protected:
    virtual void OpenDevice() = 0;
    [[noreturn]] virtual void RaiseError(const std::string& text);
    TSpComPortCore& Core() { return *core_; }

private:
    struct TUdalost {
        TSpCoreEvent kind;
        uint32_t data;
        std::exception_ptr error;
    };
    template <class TZmena> void ZmenLinku(TZmena zmena);
    void BuildDCB();
    void RecomputeLimits();
    void WorkerEvent(TSpCoreEvent kind, uint32_t data, std::exception_ptr error);
    void Dispatch();

    TSpSyncCallTable& syncTable_;
    int32_t syncId_ = 0;
    std::chrono::milliseconds syncTimeout_{2000};
    std::unique_ptr<TSpComPortCore> core_;
    std::atomic<bool> closing_{false};
    std::atomic<bool> destroying_{false};
    std::mutex mailboxLock_;
    // Events on their way to the user-interface thread, one per sync call, in order. (One
    // slot would do while every call is served in time; a call that times out would let the
    // next event overwrite the slot and deliver one event twice and another never.)
    std::deque<TUdalost> mailbox_;

    TSpDCB dcb_;
    bool autoOpen_ = false;
    TSpBaudrate baudRate_ = br115200;
    int32_t userBaudRate_ = 0;
    TSpDatabits databits_ = db8;
    TSpParity parity_ = paNone;
    TSpStopbits stopbits_ = sbOne;
    TSpFlowControl flowControl_ = fwNone;
    TSpComOptions options_;
    bool dtr_ = true;
    bool rts_ = true;
    int32_t inBufSize_ = 4096;
    int32_t outBufSize_ = 2048;
    char xonChar_ = 17;
    char xoffChar_ = 19;
    uint16_t xonLim_ = 0;
    uint16_t xoffLim_ = 0;
    TSpThreadPriority eventThreadPriority_ = kSpPrioritaUdalosti;
    TSpThreadPriority writeThreadPriority_ = kSpPrioritaZapisu;
};

// The component with the port number "COM%d" (and, for tools, a device given by its path).
class TSpComPort : public TSpCustomSerialPort {
public:
    using TSpCustomSerialPort::TSpCustomSerialPort;

    uint16_t ComNumber() const { return comNumber_; }
    // While open: Close, store, Open (both events fire; the open error propagates).
    void SetComNumber(uint16_t value);
    // A device path used instead of the number's device (merivox-cli --device); empty = none.
    // Error texts then name the path.
    const std::string& DevicePath() const { return devicePath_; }
    void SetDevicePath(const std::string& path);

protected:
    void OpenDevice() override;

private:
    uint16_t comNumber_ = 0;
    std::string devicePath_;
};
