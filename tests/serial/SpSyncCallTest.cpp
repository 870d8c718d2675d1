#include "serial/SpSyncCall.h"
#include "serial/SledovaneUi.h"

#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Long enough that a test finishing at all proves a worker was released without it.
constexpr auto Vecnost = std::chrono::hours(1);

struct SyncCallTest : ::testing::Test {
    TSledovaneUi ui; // this thread is the user-interface thread
    TSpSyncCallTable table;
    SyncCallTest() { table.SetUi(&ui); }
    ~SyncCallTest() override { ui.ProcessPosted(); }
};

} // namespace

TEST_F(SyncCallTest, IdentifiersStartAtOneAndThe65thRegistrationGetsNone) {
    std::vector<int32_t> ids;
    for (int i = 0; i < 64; ++i)
        ids.push_back(table.RegisterSyncCall([] {}));
    EXPECT_EQ(ids.front(), 1);
    EXPECT_EQ(ids.back(), 64);
    EXPECT_EQ(table.RegisterSyncCall([] {}), 0);
    ASSERT_TRUE(table.UnregisterSyncCall(ids[10]));
    EXPECT_EQ(table.RegisterSyncCall([] {}), 65) << "a freed slot takes the next identifier";
    EXPECT_FALSE(table.UnregisterSyncCall(ids[10]));
    EXPECT_FALSE(table.EnableSyncCall(0, true));
}

TEST_F(SyncCallTest, ACallRunsTheProcedureOnTheUserInterfaceThread) {
    std::thread::id kde;
    const int32_t id = table.RegisterSyncCall([&] { kde = std::this_thread::get_id(); });
    EXPECT_FALSE(table.CallSync(id, 10ms)) << "a new entry is disabled";
    table.EnableSyncCall(id, true);
    auto vysledek = std::async(std::launch::async, [&] { return table.CallSync(id, Vecnost); });
    ASSERT_TRUE(ui.ProcessUntil([&] { return kde != std::thread::id(); }, 10s));
    EXPECT_TRUE(vysledek.get());
    EXPECT_EQ(kde, std::this_thread::get_id());
}

TEST_F(SyncCallTest, DisablingReleasesAWaitingWorkerAtOnce) {
    std::atomic<int> behy{0};
    const int32_t id = table.RegisterSyncCall([&] { ++behy; });
    table.EnableSyncCall(id, true);
    auto vysledek = std::async(std::launch::async, [&] { return table.CallSync(id, Vecnost); });
    EXPECT_TRUE(ui.CekejNaPosted(1)); // the worker waits now (or is about to); nobody serves
    table.EnableSyncCall(id, false);
    EXPECT_FALSE(vysledek.get());
    ui.ProcessPosted();
    table.EnableSyncCall(id, true);
    ui.ProcessPosted();
    EXPECT_EQ(behy, 0) << "a call posted before the disable never runs, even after re-enabling";
}

TEST_F(SyncCallTest, UnregisteringReleasesAWaitingWorker) {
    const int32_t id = table.RegisterSyncCall([] {});
    table.EnableSyncCall(id, true);
    std::promise<void> odeslano;
    auto vysledek = std::async(std::launch::async, [&] {
        odeslano.set_value();
        return table.CallSync(id, Vecnost);
    });
    odeslano.get_future().wait();
    table.UnregisterSyncCall(id);
    EXPECT_FALSE(vysledek.get());
}

TEST_F(SyncCallTest, ATimedOutCallStaysTrueAndStillRunsLater) {
    int behy = 0;
    const int32_t id = table.RegisterSyncCall([&] { ++behy; });
    table.EnableSyncCall(id, true);
    // Nobody serves the user-interface thread during the call.
    EXPECT_TRUE(std::async(std::launch::async, [&] { return table.CallSync(id, 5ms); }).get());
    EXPECT_EQ(behy, 0);
    ui.ProcessPosted();
    EXPECT_EQ(behy, 1);
}

TEST_F(SyncCallTest, AnExceptionOfTheProcedureGoesToTheUserInterface) {
    std::string zprava;
    ui.OnException = [&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            zprava = x.what();
        }
    };
    const int32_t id = table.RegisterSyncCall([] { throw std::runtime_error("handler failed"); });
    table.EnableSyncCall(id, true);
    auto vysledek = std::async(std::launch::async, [&] { return table.CallSync(id, Vecnost); });
    ASSERT_TRUE(ui.ProcessUntil([&] { return !zprava.empty(); }, 10s));
    EXPECT_TRUE(vysledek.get());
    EXPECT_EQ(zprava, "handler failed");
}

TEST_F(SyncCallTest, OnTheUserInterfaceThreadTheCallRunsDirectly) {
    int behy = 0;
    const int32_t id = table.RegisterSyncCall([&] { ++behy; });
    table.EnableSyncCall(id, true);
    EXPECT_TRUE(table.CallSync(id, 0ms));
    EXPECT_EQ(behy, 1);
}

TEST_F(SyncCallTest, WithoutAUserInterfaceCallsFail) {
    const int32_t id = table.RegisterSyncCall([] {});
    table.EnableSyncCall(id, true);
    table.SetUi(nullptr);
    EXPECT_FALSE(table.CallSync(id, 10ms));
}
