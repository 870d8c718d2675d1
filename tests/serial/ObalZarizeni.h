// The system's backend behind a wrapper that passes every call on, so that a test can override
// the one call it wants to hide, record or count.
#pragma once

#include "serial/SpBackend.h"

#include <memory>

class TObalZarizeni : public TSpBackend {
public:
    TSpOpenError Open(const std::string& p) override { return b_->Open(p); }
    bool SetTimeouts() override { return b_->SetTimeouts(); }
    bool SetupQueues(uint32_t i, uint32_t o) override { return b_->SetupQueues(i, o); }
    bool SetEventMask(uint32_t m) override { return b_->SetEventMask(m); }
    bool SetState(const TSpDCB& d) override { return b_->SetState(d); }
    bool GetState(TSpDCB& d) override { return b_->GetState(d); }
    TSpWaitResult WaitEvent(std::chrono::milliseconds t, bool watchLine, uint32_t& mask) override {
        return b_->WaitEvent(t, watchLine, mask);
    }
    void Wake() override { b_->Wake(); }
    int32_t Read(uint8_t* d, int32_t n) override { return b_->Read(d, n); }
    int32_t Write(const uint8_t* d, int32_t n, bool& w) override { return b_->Write(d, n, w); }
    void CancelWrite() override { b_->CancelWrite(); }
    bool ClearError(uint32_t& e, TSpComStat& s) override { return b_->ClearError(e, s); }
    bool Purge(uint32_t f) override { return b_->Purge(f); }
    bool Escape(uint32_t c) override { return b_->Escape(c); }
    void Close() override { b_->Close(); }

protected:
    std::unique_ptr<TSpBackend> b_ = SpCreateBackend();
};
