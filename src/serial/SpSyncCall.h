// The sync call table: how a worker thread runs a registered procedure on the user-interface
// thread and waits a bounded time for it. The serial port component registers one procedure
// per port and calls it from the port's event thread, so that every port event reaches the
// program on the user-interface thread.
//
// The user-interface side is a TSpSyncUi: an object living on the user-interface thread that
// runs posted calls there (a Qt object in the program, a plain loop in merivox-cli and the
// tests). The table itself knows no toolkit.
//
// Thread contract: RegisterSyncCall, UnregisterSyncCall and EnableSyncCall are called by the
// user-interface thread; CallSync by worker threads (from the user-interface thread it runs
// the procedure directly). The table's mutex is never held while a procedure runs or while a
// call waits. Disabling or removing an entry releases a worker waiting on it at once.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

// The message of an exception that reached the user-interface side, for a UI without an error
// box of its own.
std::string SpTextVyjimky(std::exception_ptr error);

class TSpSyncUi {
public:
    virtual ~TSpSyncUi() = default;
    // Runs the call later on the user-interface thread. Called from any thread.
    virtual void Post(std::function<void()> call) = 0;
    virtual bool IsUiThread() const = 0;
    // An exception that a registered procedure raised, on the user-interface thread: the
    // program shows it in its standard error box.
    virtual void ShowException(std::exception_ptr error) = 0;
};

using TSpSyncProc = std::function<void()>;

class TSpSyncCallTable {
public:
    static constexpr int SlotCount = 64;

    TSpSyncCallTable() = default;
    TSpSyncCallTable(const TSpSyncCallTable&) = delete;
    TSpSyncCallTable& operator=(const TSpSyncCallTable&) = delete;

    // The one table of the program.
    static TSpSyncCallTable& Global();

    // Installs the user-interface side (nullptr removes it; calls then fail).
    void SetUi(TSpSyncUi* ui);
    TSpSyncUi* Ui() const;

    // The identifier of a new, disabled entry; 0 when all 64 slots are taken.
    int32_t RegisterSyncCall(TSpSyncProc procedure);
    bool UnregisterSyncCall(int32_t id);
    bool EnableSyncCall(int32_t id, bool enabled);
    // Runs the entry's procedure on the user-interface thread and waits at most `timeout`.
    // True when the entry is still registered and enabled at the end, whether or not the
    // procedure has finished; false at once when it is disabled or removed meanwhile.
    bool CallSync(int32_t id, std::chrono::milliseconds timeout);

private:
    struct TSlot {
        int32_t id = 0; // 0 = free
        bool enabled = false;
        uint64_t generation = 0; // changes at every disable and removal
        std::shared_ptr<TSpSyncProc> procedure;
    };
    struct TCall {
        bool done = false;
    };
    TSlot* FindLocked(int32_t id);
    bool StillValidLocked(int32_t id, uint64_t generation);
    void Dispatch(int32_t id, uint64_t generation, const std::shared_ptr<TCall>& call);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    TSlot slots_[SlotCount];
    int32_t lastId_ = 0;
    TSpSyncUi* ui_ = nullptr;
};
