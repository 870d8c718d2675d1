#include "serial/SpSyncCall.h"

#include <algorithm>

TSpSyncCallTable& TSpSyncCallTable::Global() {
    static TSpSyncCallTable table;
    return table;
}

void TSpSyncCallTable::SetUi(TSpSyncUi* ui) {
    std::lock_guard lock(mutex_);
    ui_ = ui;
}

TSpSyncUi* TSpSyncCallTable::Ui() const {
    std::lock_guard lock(mutex_);
    return ui_;
}

TSpSyncCallTable::TSlot* TSpSyncCallTable::FindLocked(int32_t id) {
    if (id == 0)
        return nullptr;
    for (TSlot& slot : slots_)
        if (slot.id == id)
            return &slot;
    return nullptr;
}

int32_t TSpSyncCallTable::RegisterSyncCall(TSpSyncProc procedure) {
    std::lock_guard lock(mutex_);
    for (TSlot& slot : slots_) {
        if (slot.id != 0)
            continue;
        if (++lastId_ <= 0)
            lastId_ = 1; // identifiers are never 0, also after the counter wraps
        slot.id = lastId_;
        slot.enabled = false;
        ++slot.generation;
        slot.procedure = std::make_shared<TSpSyncProc>(std::move(procedure));
        return slot.id;
    }
    return 0;
}

bool TSpSyncCallTable::UnregisterSyncCall(int32_t id) {
    {
        std::lock_guard lock(mutex_);
        TSlot* slot = FindLocked(id);
        if (!slot)
            return false;
        slot->id = 0;
        slot->enabled = false;
        ++slot->generation;
        slot->procedure.reset();
    }
    changed_.notify_all();
    return true;
}

bool TSpSyncCallTable::EnableSyncCall(int32_t id, bool enabled) {
    {
        std::lock_guard lock(mutex_);
        TSlot* slot = FindLocked(id);
        if (!slot)
            return false;
        if (slot->enabled && !enabled)
            ++slot->generation; // calls posted so far are void, even after a later enable
        slot->enabled = enabled;
    }
    changed_.notify_all();
    return true;
}

bool TSpSyncCallTable::StillValidLocked(int32_t id, uint64_t generation) {
    TSlot* slot = FindLocked(id);
    return slot && slot->enabled && slot->generation == generation && slot->procedure;
}

bool TSpSyncCallTable::CallSync(int32_t id, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    TSlot* slot = FindLocked(id);
    if (!slot || !slot->enabled || !slot->procedure || !ui_)
        return false;
    const uint64_t generation = slot->generation;
    TSpSyncUi* ui = ui_;
    auto call = std::make_shared<TCall>();
    lock.unlock();

    if (ui->IsUiThread()) {
        Dispatch(id, generation, call);
    } else {
        ui->Post([this, id, generation, call] { Dispatch(id, generation, call); });
        lock.lock();
        const auto deadline =
            std::chrono::steady_clock::now() +
            std::min<std::chrono::milliseconds>(timeout, std::chrono::hours(24 * 365));
        changed_.wait_until(lock, deadline,
                            [&] { return call->done || !StillValidLocked(id, generation); });
        return StillValidLocked(id, generation);
    }
    lock.lock();
    return StillValidLocked(id, generation);
}

// On the user-interface thread. An entry disabled or removed since the call was posted is
// skipped, so nothing posted before a close runs after it.
void TSpSyncCallTable::Dispatch(int32_t id, uint64_t generation,
                                const std::shared_ptr<TCall>& call) {
    std::shared_ptr<TSpSyncProc> procedure;
    TSpSyncUi* ui = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (StillValidLocked(id, generation))
            procedure = FindLocked(id)->procedure;
        ui = ui_;
    }
    if (procedure) {
        try {
            (*procedure)();
        } catch (...) {
            if (ui)
                ui->ShowException(std::current_exception());
        }
    }
    {
        std::lock_guard lock(mutex_);
        call->done = true;
    }
    changed_.notify_all();
}

std::string SpTextVyjimky(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown error";
    }
}
