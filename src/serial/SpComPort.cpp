#include "serial/SpComPort.h"

#include "serial/SpChyby.h"

#include <cstdio>
#include <tuple>

std::function<void(bool)> TSpCustomSerialPort::HourglassHook;

TSpCustomSerialPort::TSpCustomSerialPort(std::string name, TSpSyncCallTable& syncTable,
                                         TSpBackendFactory backendFactory)
    : Name(std::move(name)), syncTable_(syncTable),
      core_(std::make_unique<TSpComPortCore>(backendFactory)) {
    syncId_ = syncTable_.RegisterSyncCall([this] { Dispatch(); });
    core_->SetEventCallback([this](TSpComPortCore&, TSpCoreEvent kind, uint32_t data,
                                   std::exception_ptr error) { WorkerEvent(kind, data, error); });
    BuildDCB();
}

TSpCustomSerialPort::~TSpCustomSerialPort() {
    destroying_ = true;
    syncTable_.UnregisterSyncCall(syncId_); // releases an event thread waiting in a call
    core_.reset();
}

void TSpCustomSerialPort::SetActive(bool value) {
    if (value)
        Open();
    else
        Close();
}

void TSpCustomSerialPort::Open() {
    if (core_->Opened())
        return;
    syncTable_.EnableSyncCall(syncId_, true);
    {
        std::lock_guard lock(mailboxLock_);
        mailbox_.clear(); // events of an earlier opening that never reached the user interface
    }
    core_->ApplyDCB(dcb_);
    core_->SetInputQueueSize(static_cast<uint32_t>(inBufSize_));
    core_->SetOutputQueueSize(static_cast<uint32_t>(outBufSize_));
    core_->SetEventThreadPriority(eventThreadPriority_);
    core_->SetWriteThreadPriority(writeThreadPriority_);
    closing_ = false;
    OpenDevice();
    if (OnPortOpen)
        OnPortOpen(*this);
}

void TSpCustomSerialPort::Close() {
    struct TKonecZavirani {
        std::atomic<bool>& closing;
        ~TKonecZavirani() { closing = false; }
    } konec{closing_};
    closing_ = true;
    // Disabling the entry first releases an event thread waiting in a sync call at once, so
    // that closing from inside an event handler does not wait for the call's time-out.
    syncTable_.EnableSyncCall(syncId_, false);
    core_->ClosePort();
    if (OnPortClose)
        OnPortClose(*this);
}

std::string TSpCustomSerialPort::ReadString() {
    if (closing_)
        return {};
    const TSpComStat status = core_->QueryStatus();
    if (status.InQueue == 0)
        return {};
    std::string text(status.InQueue, '\0');
    const int32_t n =
        core_->ReadData(reinterpret_cast<uint8_t*>(text.data()), static_cast<int32_t>(text.size()));
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}

int32_t TSpCustomSerialPort::ReadData(uint8_t* buffer, int32_t size) {
    if (closing_)
        return 0;
    const int32_t n = core_->ReadData(buffer, size);
    if (n < size)
        RaiseError("Read data error");
    return n;
}

void TSpCustomSerialPort::WriteString(const std::string& text) {
    if (!text.empty())
        WriteData(reinterpret_cast<const uint8_t*>(text.data()), static_cast<int32_t>(text.size()));
}

void TSpCustomSerialPort::WriteData(const uint8_t* data, int32_t size) {
    if (closing_)
        return;
    if (!core_->WriteData(data, size)) {
        char text[96];
        std::snprintf(text, sizeof text, "Write data error [requested: %d, free: %d]",
                      static_cast<int>(size), static_cast<int>(core_->OutputFree()));
        RaiseError(text);
    }
}

void TSpCustomSerialPort::PurgeInput() {
    if (!closing_)
        core_->PurgeInput();
}

void TSpCustomSerialPort::PurgeOutput() {
    if (!closing_)
        core_->PurgeOutput();
}

void TSpCustomSerialPort::RaiseError(const std::string& text) {
    throw ESpComPortError(text + " - " + Name + " ");
}

// --- properties -----------------------------------------------------------------------------

// Changes line properties and rebuilds the DCB. An open device that refuses the result keeps
// its settings, and the properties go back with it: they never name a setting the line does
// not have.
template <class TZmena> void TSpCustomSerialPort::ZmenLinku(TZmena zmena) {
    const auto puvodni = std::tuple(baudRate_, userBaudRate_, databits_, parity_, stopbits_,
                                    flowControl_, options_, xonChar_, xoffChar_, xonLim_, xoffLim_);
    zmena();
    try {
        BuildDCB();
    } catch (...) {
        std::tie(baudRate_, userBaudRate_, databits_, parity_, stopbits_, flowControl_, options_,
                 xonChar_, xoffChar_, xonLim_, xoffLim_) = puvodni;
        throw;
    }
}

void TSpCustomSerialPort::SetBaudRate(TSpBaudrate value) {
    if (value == baudRate_)
        return;
    ZmenLinku([&] {
        baudRate_ = value;
        if (value != brUser)
            userBaudRate_ = 0;
    });
}

void TSpCustomSerialPort::SetUserBaudRate(int32_t value) {
    if (value == userBaudRate_)
        return;
    ZmenLinku([&] {
        userBaudRate_ = value;
        baudRate_ = brUser;
    });
}

void TSpCustomSerialPort::SetDatabits(TSpDatabits value) {
    if (value == databits_)
        return;
    ZmenLinku([&] { databits_ = value; });
}

void TSpCustomSerialPort::SetParity(TSpParity value) {
    if (value == parity_)
        return;
    ZmenLinku([&] { parity_ = value; });
}

void TSpCustomSerialPort::SetStopbits(TSpStopbits value) {
    if (value == stopbits_)
        return;
    ZmenLinku([&] { stopbits_ = value; });
}

void TSpCustomSerialPort::SetFlowControl(TSpFlowControl value) {
    if (value == flowControl_)
        return;
    ZmenLinku([&] {
        flowControl_ = value;
        RecomputeLimits();
    });
}

void TSpCustomSerialPort::SetOptions(TSpComOptions value) {
    if (value == options_)
        return;
    ZmenLinku([&] { options_ = value; });
}

void TSpCustomSerialPort::SetDTR(bool value) {
    if (value == dtr_)
        return;
    if (core_->Active())
        core_->EscapeLine(value ? SpEscape::SetDtr : SpEscape::ClrDtr);
    dtr_ = value;
}

void TSpCustomSerialPort::SetRTS(bool value) {
    if (value == rts_)
        return;
    if (core_->Active())
        core_->EscapeLine(value ? SpEscape::SetRts : SpEscape::ClrRts);
    rts_ = value;
}

void TSpCustomSerialPort::SetInBufSize(int32_t value) {
    if (value == inBufSize_)
        return;
    if (Active())
        RaiseError("Port is not closed");
    inBufSize_ = value;
    RecomputeLimits();
}

void TSpCustomSerialPort::SetOutBufSize(int32_t value) {
    if (value == outBufSize_)
        return;
    if (Active())
        RaiseError("Port is not closed");
    outBufSize_ = value;
}

void TSpCustomSerialPort::SetXOnChar(char value) {
    if (value == xonChar_)
        return;
    ZmenLinku([&] { xonChar_ = value; });
}

void TSpCustomSerialPort::SetXOffChar(char value) {
    if (value == xoffChar_)
        return;
    ZmenLinku([&] { xoffChar_ = value; });
}

void TSpCustomSerialPort::SetXOnLim(uint16_t value) {
    if (value == xonLim_)
        return;
    xonLim_ = value;
    xoffLim_ = static_cast<uint16_t>(inBufSize_ - value);
}

void TSpCustomSerialPort::SetXOffLim(uint16_t value) {
    if (value == xoffLim_)
        return;
    xoffLim_ = value;
    xonLim_ = static_cast<uint16_t>(inBufSize_ - value);
}

void TSpCustomSerialPort::RecomputeLimits() {
    if (flowControl_ == fwNone) {
        xonLim_ = 0;
        xoffLim_ = 0;
        return;
    }
    xonLim_ = static_cast<uint16_t>(inBufSize_ / 4);
    xoffLim_ = static_cast<uint16_t>(inBufSize_ - xonLim_);
}

void TSpCustomSerialPort::BuildDCB() {
    TSpDCB dcb;
    dcb.BaudRate =
        baudRate_ == brUser ? static_cast<uint32_t>(userBaudRate_) : SpBaudrateHodnota(baudRate_);
    dcb.ByteSize = SpDatabitsHodnota(databits_);
    dcb.Parity = SpParityHodnota(parity_);
    dcb.StopBits = SpStopbitsHodnota(stopbits_);
    dcb.XonChar = xonChar_;
    dcb.XoffChar = xoffChar_;
    dcb.XonLim = xonLim_;
    dcb.XoffLim = xoffLim_;
    dcb.Flags = SpFlowControlBity(flowControl_) | SpDcbFlag::fBinary;
    for (TSpComOption o : {coParityCheck, coDsrSensitivity, coIgnoreXOff, coErrorChar, coStripNull})
        if (options_.Contains(o))
            dcb.Flags |= SpComOptionBit(o);
    if (dtr_ && flowControl_ != fwDtrDsr)
        dcb.Flags |= SpDcbFlag::DtrControlEnable;
    if (rts_ && flowControl_ != fwRtsCts)
        dcb.Flags |= SpDcbFlag::RtsControlEnable;
    dcb_ = dcb;
    if (!core_->Opened())
        return;
    try {
        core_->ApplyDCB(dcb_);
    } catch (const ESpComPortCoreError&) {
        dcb_ = core_->DCB(); // what the device really has
        throw;
    }
}

// --- events ---------------------------------------------------------------------------------

// On the event thread.
void TSpCustomSerialPort::WorkerEvent(TSpCoreEvent kind, uint32_t data, std::exception_ptr error) {
    if (closing_ || destroying_)
        return;
    if (kind != TSpCoreEvent::ekThreadError && OnNonSyncEvent) {
        OnNonSyncEvent(*this, kind, data);
        return;
    }
    {
        std::lock_guard lock(mailboxLock_);
        mailbox_.push_back({kind, data, error});
    }
    // False: the entry was disabled or removed (Close, destruction); the event is given up.
    syncTable_.CallSync(syncId_, syncTimeout_);
}

// On the user-interface thread, inside a sync call.
void TSpCustomSerialPort::Dispatch() {
    if (closing_ || destroying_)
        return;
    TUdalost event{};
    {
        std::lock_guard lock(mailboxLock_);
        if (mailbox_.empty())
            return;
        event = mailbox_.front();
        mailbox_.pop_front();
    }
    if (OnSyncEvent)
        OnSyncEvent(*this, event.kind, event.data);
    switch (event.kind) {
    case TSpCoreEvent::ekOutputEmpty:
        if (OnOutBufFree)
            OnOutBufFree(*this);
        break;
    case TSpCoreEvent::ekLineEvents: {
        const uint32_t mask = event.data;
        if (mask & SpLineEvent::RxChar) {
            const TSpComStat status = core_->QueryStatus();
            if (OnDataRecived)
                OnDataRecived(*this, static_cast<int32_t>(status.InQueue));
        }
        // The error word stays with the device until a status query takes it; query here, so
        // that OnLineError gets the errors that raised it, not those of a later event.
        if ((mask & SpLineEvent::Err) && !(mask & SpLineEvent::RxChar))
            core_->QueryStatus();
        const uint32_t errors = core_->TakeLineErrors();
        if ((mask & SpLineEvent::Err) && OnLineError)
            OnLineError(*this, errors);
        if ((mask & SpLineEvent::Cts) && OnCTSChanged)
            OnCTSChanged(*this);
        if ((mask & SpLineEvent::Dsr) && OnDSRChanged)
            OnDSRChanged(*this);
        if ((mask & SpLineEvent::Ring) && OnRINGDetected)
            OnRINGDetected(*this);
        if ((mask & SpLineEvent::Rlsd) && OnRLSDChanged)
            OnRLSDChanged(*this);
        break;
    }
    case TSpCoreEvent::ekInputWaiting:
        if (OnDataRecived)
            OnDataRecived(*this, static_cast<int32_t>(event.data));
        break;
    case TSpCoreEvent::ekThreadError:
        if (event.error)
            std::rethrow_exception(event.error); // the sync call table shows it
        break;
    }
}

// --- TSpComPort -----------------------------------------------------------------------------

void TSpComPort::SetComNumber(uint16_t value) {
    if (value == comNumber_)
        return;
    if (Active()) {
        Close();
        comNumber_ = value;
        Open();
    } else {
        comNumber_ = value;
    }
}

void TSpComPort::SetDevicePath(const std::string& path) {
    if (path == devicePath_)
        return;
    if (Active()) {
        Close();
        devicePath_ = path;
        Open();
    } else {
        devicePath_ = path;
    }
}

void TSpComPort::OpenDevice() {
    if (HourglassHook)
        HourglassHook(true);
    try {
        if (devicePath_.empty())
            Core().OpenPort(comNumber_);
        else
            Core().OpenPath(devicePath_);
    } catch (...) {
        if (HourglassHook)
            HourglassHook(false);
        throw;
    }
    if (HourglassHook)
        HourglassHook(false);
}
