#include "serial/SpComPortCore.h"

#include "serial/SpChyby.h"
#include "serial/SpComPortThreads.h"
#include "serial/SpDevices.h"
#include "serial/SpSlovnikLinky.h"

#include <filesystem>

TSpComPortCore::TSpComPortCore(TSpBackendFactory backendFactory)
    : backendFactory_(backendFactory) {}

TSpComPortCore::~TSpComPortCore() {
    ClosePort();
}

bool TSpComPortCore::OpenPort(int number) {
    if (opened_)
        return false;
    const std::string name = SpJmenoPortu(number);
    if (number <= 0)
        throw ESpComPortCoreError("Invalid port number (" + name + ")");
    portNumber_ = number;
    return OpenSequence(SpDevicePath(number), name);
}

bool TSpComPortCore::OpenPath(const std::string& path) {
    if (opened_)
        return false;
    return OpenSequence(path, path);
}

bool TSpComPortCore::OpenSequence(const std::string& path, const std::string& name) {
    std::unique_ptr<TSpBackend> device = backendFactory_();
    // A folder is no device on any system (Windows would call it busy).
    std::error_code ec;
    const TSpOpenError error = path.empty()                              ? TSpOpenError::oeNotFound
                               : std::filesystem::is_directory(path, ec) ? TSpOpenError::oeNotDevice
                                                                         : device->Open(path);
    if (error == TSpOpenError::oeNotFound)
        throw ESpComPortCoreError("Invalid port number (" + name + ")");
    if (error == TSpOpenError::oeNoAccess)
        throw ESpBezOpravneni(path);
    if (error == TSpOpenError::oeNotDevice)
        throw ESpNeniZarizeni(path);
    if (error != TSpOpenError::oeNone)
        throw ESpPortObsazen(path, name);
    device_ = std::move(device);
    try {
        eventThread_.reset();
        writeThread_.reset();
        if (!device_->SetTimeouts())
            throw ESpComPortCoreError("Error setting timeouts");
        if (!device_->SetupQueues(inputQueueSize_, outputQueueSize_))
            throw ESpComPortCoreError("Error initializing buffers");
        if (!device_->SetEventMask(eventMask_))
            throw ESpComPortCoreError(" Error setting EventMask");
        if (!device_->SetState(dcb_)) {
            const TSpDCB odmitnuto = dcb_;
            device_->GetState(dcb_);
            throw ESpNastaveniOdmitnuto(odmitnuto);
        }
        lineErrors_ = 0;
        started_.Reset();
        writeThread_ = std::make_unique<TSpComPortWriteThread>(
            *this, *device_, static_cast<int32_t>(outputQueueSize_));
        writeThread_->Start();
        if (!started_.Wait(timing_.ThreadStart))
            throw ESpComPortCoreError("Error creating threads");
        SpApplyThreadPriority(writeThread_->Thread(), writeThreadPriority_);
        active_ = true;
        eventThread_ = std::make_unique<TSpComPortEventThread>(*this, *device_, callback_);
        eventThread_->Start();
        if (!started_.Wait(timing_.ThreadStart))
            throw ESpComPortCoreError("Error creating threads");
        SpApplyThreadPriority(eventThread_->Thread(), eventThreadPriority_);
    } catch (...) {
        CloseSequence();
        throw;
    }
    opened_ = true;
    return true;
}

void TSpComPortCore::ClosePort() {
    if (!opened_)
        return;
    CloseSequence();
    opened_ = false;
}

// Nothing here waits for a worker thread while holding the port lock: the lock is taken only
// around single device calls that return at once. A worker that checked the active flag just
// before it was cleared may still take the lock for its status query; it gets it after at most
// one such call and finds the device still open, because the device is released only after
// both threads have ended. So the close sequence and the event thread cannot wait for each
// other, whatever the timing.
void TSpComPortCore::CloseSequence() {
    if (!device_)
        return;
    active_ = false;
    {
        std::lock_guard lock(portLock_);
        device_->Purge(SpPurge::All);
    }
    if (writeThread_) {
        writeThread_->Purge(timing_.Flush);
        writeThread_->Stop();
        writeThread_.reset();
    }
    if (eventThread_) {
        eventThread_->ForgetCallback();
        eventThread_->RequestTerminate();
        {
            std::lock_guard lock(portLock_);
            device_->SetEventMask(0);
            device_->Purge(SpPurge::RxAbort | SpPurge::RxClear);
        }
        eventThread_->Stop();
        eventThread_.reset();
    }
    std::lock_guard lock(portLock_);
    device_->Close();
    device_.reset();
}

TSpComStat TSpComPortCore::QueryStatus() {
    TSpComStat status;
    if (!active_)
        return status;
    std::lock_guard lock(portLock_);
    uint32_t errors = 0;
    if (device_ && device_->ClearError(errors, status))
        lineErrors_ |= errors;
    return status;
}

uint32_t TSpComPortCore::TakeLineErrors() {
    if (!active_)
        return 0;
    std::lock_guard lock(portLock_);
    const uint32_t errors = lineErrors_;
    lineErrors_ = 0;
    return errors;
}

int32_t TSpComPortCore::ReadData(uint8_t* buffer, int32_t count) {
    if (!active_)
        return -1;
    std::lock_guard lock(portLock_);
    if (!device_ || count <= 0)
        return 0;
    return device_->Read(buffer, count);
}

bool TSpComPortCore::WriteData(const uint8_t* data, int32_t count) {
    if (!active_ || !writeThread_)
        return false;
    return writeThread_->Enqueue(data, count);
}

bool TSpComPortCore::PurgeInput() {
    if (!active_)
        return false;
    std::lock_guard lock(portLock_);
    return device_ && device_->Purge(SpPurge::RxAbort | SpPurge::RxClear);
}

bool TSpComPortCore::PurgeOutput() {
    if (!active_ || !writeThread_)
        return false;
    return WriterPurge();
}

bool TSpComPortCore::WriterPurge() {
    return writeThread_->Purge(timing_.Flush);
}

int32_t TSpComPortCore::OutputFree() {
    if (!active_ || !writeThread_)
        return 0;
    return writeThread_->Free();
}

bool TSpComPortCore::EscapeLine(uint32_t code) {
    if (!active_)
        return false;
    std::lock_guard lock(portLock_);
    return device_ && device_->Escape(code);
}

void TSpComPortCore::ApplyDCB(const TSpDCB& dcb) {
    dcb_ = dcb;
    if (!active_)
        return;
    std::lock_guard lock(portLock_);
    if (!device_->SetState(dcb_)) {
        device_->GetState(dcb_);
        throw ESpNastaveniOdmitnuto(dcb);
    }
}

void TSpComPortCore::SetEventThreadPriority(TSpThreadPriority priority) {
    if (priority == eventThreadPriority_)
        return;
    eventThreadPriority_ = priority;
    if (active_ && eventThread_)
        SpApplyThreadPriority(eventThread_->Thread(), priority);
}

void TSpComPortCore::SetWriteThreadPriority(TSpThreadPriority priority) {
    if (priority == writeThreadPriority_)
        return;
    writeThreadPriority_ = priority;
    if (active_ && writeThread_)
        SpApplyThreadPriority(writeThread_->Thread(), priority);
}
