// A backend that passes every call on to another one, so that a user of the port can look at
// or change one call (count the bytes read, hide an event) and leave the rest as they are.
#pragma once

#include "serial/SpBackend.h"

#include <memory>
#include <utility>

class TSpObalBackendu : public TSpBackend {
public:
    explicit TSpObalBackendu(std::unique_ptr<TSpBackend> vnitrni = SpCreateBackend())
        : b_(std::move(vnitrni)) {}

    TSpOpenError Open(const std::string& path) override { return b_->Open(path); }
    bool SetTimeouts() override { return b_->SetTimeouts(); }
    bool SetupQueues(uint32_t in, uint32_t out) override { return b_->SetupQueues(in, out); }
    bool SetEventMask(uint32_t mask) override { return b_->SetEventMask(mask); }
    bool SetState(const TSpDCB& dcb) override { return b_->SetState(dcb); }
    bool GetState(TSpDCB& dcb) override { return b_->GetState(dcb); }
    TSpWaitResult WaitEvent(std::chrono::milliseconds timeout, bool watchLine,
                            uint32_t& mask) override {
        return b_->WaitEvent(timeout, watchLine, mask);
    }
    void Wake() override { b_->Wake(); }
    int32_t Read(uint8_t* buffer, int32_t count) override { return b_->Read(buffer, count); }
    int32_t Write(const uint8_t* data, int32_t count, bool& woken) override {
        return b_->Write(data, count, woken);
    }
    void CancelWrite() override { b_->CancelWrite(); }
    bool ClearError(uint32_t& errors, TSpComStat& status) override {
        return b_->ClearError(errors, status);
    }
    bool Purge(uint32_t flags) override { return b_->Purge(flags); }
    bool Escape(uint32_t code) override { return b_->Escape(code); }
    void Close() override { b_->Close(); }

protected:
    std::unique_ptr<TSpBackend> b_;
};
