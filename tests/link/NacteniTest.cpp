// Downloads through the real driver from the simulated station.
#include "TestKomunikace.h"

#include <random>
#include <thread>

using namespace std::chrono_literals;

namespace {

struct NacteniTest : KomunikaceTest {
    // The station sends these pieces one by one, each once the driver has reported the one
    // before: no two pieces make one receipt. Meanwhile the clock runs far past the response
    // timer's interval, which a download does not use.
    void PosilejPoKusech(std::vector<std::string> kusy) {
        cekani.PriUkazani = [this, kusy = std::move(kusy)] {
            Vyprs(10);
            vysilac = std::jthread([this, kusy] {
                stanice->CekejNaPripojeni(5s);
                int64_t odeslano = 0;
                for (const std::string& kus : kusy) {
                    stanice->PosliHned(kus);
                    odeslano += static_cast<int64_t>(kus.size());
                    if (!CekejNaDriver([&] { return prijato >= odeslano; }))
                        ADD_FAILURE() << "the driver never reported " << odeslano << " bytes";
                }
            });
        };
    }
    std::jthread vysilac;
};

} // namespace

TEST_F(NacteniTest, EndsExactlyAtTheEndMarkHoweverItIsSplit) {
    // An EOT or EOT CR inside the data is no end; the end mark may come in pieces.
    const std::string data = "Nts-660 data\r\n1\x04\r2\x04\n3\r\n";
    const std::vector<std::vector<std::string>> deleni = {
        {data + KonecDat},
        {data, KonecDat},
        {data + "\x04", "\r\n"},
        {data + "\x04\r", "\n"},
        {data.substr(0, 5), data.substr(5) + "\x04", "\r", "\n"},
    };
    Vytvor();
    for (const auto& kusy : deleni) {
        konce.clear();
        cekani = {};
        PosilejPoKusech(kusy);
        driver->AddCommand(PrikazNacteni, "");
        vysilac.join();
        ASSERT_EQ(konce.size(), 1u);
        EXPECT_TRUE(konce[0].ok);
        EXPECT_EQ(konce[0].typ, PrikazNacteni);
        EXPECT_FALSE(konce[0].preruseno);
        EXPECT_EQ(konce[0].data, data + KonecDat);
        EXPECT_EQ(cekani.zavreno, 1) << "the driver closed its waiting dialog";
        EXPECT_EQ(cekani.texty.front(), Cz("Přijímám data z totální stanice"));
        EXPECT_FALSE(driver->Port().Active()) << "the queue is empty: the port is closed";
        EXPECT_EQ(driver->PocetPrikazu(), 0);
    }
    EXPECT_EQ(vyprseni, 0) << "a download has no time-out";
}

TEST_F(NacteniTest, OneMegabyteArrivesByteExactWithRandomSplitsAndASlowReader) {
    std::mt19937 nahoda(20260);
    std::string data;
    data.reserve(1 << 20);
    // Every byte value, EOT, CR and LF included, but never the end mark itself.
    while (data.size() < (1u << 20)) {
        data += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(nahoda));
        if (KonciNa(data, KonecDat))
            data.back() = 'x';
    }
    std::vector<std::string> kusy;
    for (size_t i = 0; i < data.size();) {
        const size_t n = std::uniform_int_distribution<size_t>(1, 30000)(nahoda);
        kusy.push_back(data.substr(i, n));
        i += n;
    }
    kusy.push_back(KonecDat);
    Vytvor();
    int hlaseni = 0;
    driver->OnPrubehNacteni = [&](TComDriver&, int64_t) {
        if (++hlaseni % 7 == 0)
            std::this_thread::sleep_for(3ms); // the user-interface thread is busy now and then
    };
    cekani.PriUkazani = [&] {
        vysilac = std::jthread([&] {
            for (const std::string& kus : kusy)
                if (!stanice->PosliHned(kus))
                    ADD_FAILURE() << "the station could not send all its data";
        });
    };
    driver->AddCommand(PrikazNacteni, "");
    vysilac.join();
    ASSERT_EQ(konce.size(), 1u);
    EXPECT_TRUE(konce[0].ok);
    ASSERT_EQ(konce[0].data.size(), data.size() + 3);
    EXPECT_TRUE(konce[0].data == data + KonecDat) << "the data differ";
    EXPECT_GT(prijmu, 10) << "the data came in many receipts";
}

TEST_F(NacteniTest, ASourceThatNeverStopsEndsAtTheLimitWithAMessageKeepingWhatCame) {
    Vytvor();
    driver->NejvetsiNacteni = 20000;
    const std::string kus(1000, 'x'); // no end mark, ever
    bool dost = false;                // under barieraLock
    cekani.PriUkazani = [&] {
        vysilac = std::jthread([&] {
            stanice->CekejNaPripojeni(5s);
            // Each piece once the driver has reported the one before, until the driver is done.
            const auto delka = static_cast<int64_t>(kus.size());
            for (int64_t odeslano = delka; stanice->PosliHned(kus); odeslano += delka)
                if (!CekejNaDriver([&] { return dost || prijato >= odeslano; }) || dost)
                    break;
        });
    };
    driver->AddCommand(PrikazNacteni, "");
    {
        std::lock_guard lock(barieraLock);
        dost = true;
    }
    bariera.notify_all();
    vysilac.join();
    ASSERT_EQ(konce.size(), 1u);
    EXPECT_FALSE(konce[0].preruseno) << "what came is handed on as a finished download";
    EXPECT_GE(konce[0].data.size(), 20000u);
    EXPECT_EQ(konce[0].data, std::string(konce[0].data.size(), 'x'));
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].Druh, TDruhZpravy::dzChyba);
    EXPECT_NE(zpravy.zpravy[0].Text.find(Cz("Příjem dat byl ukončen po ")), std::string::npos);
    EXPECT_FALSE(driver->Port().Active());
    EXPECT_EQ(TComDriver::kNejvetsiNacteni, std::size_t(64) << 20);
}

TEST_F(NacteniTest, AbortDeliversWhatCameSoFarMarkedAborted) {
    Vytvor();
    // Nothing received yet.
    cekani.Prerusit = [] {
        return true;
    };
    driver->AddCommand(PrikazNacteni, "");
    ASSERT_EQ(konce.size(), 1u);
    EXPECT_TRUE(konce[0].ok);
    EXPECT_TRUE(konce[0].preruseno);
    EXPECT_EQ(konce[0].data, "");
    EXPECT_EQ(cekani.zavreno, 0) << "the user closed the dialog, not the driver";
    EXPECT_FALSE(driver->Port().Active());

    // Part of the data received.
    konce.clear();
    cekani = {};
    const std::string cast = "1 2 3 part of the data";
    cekani.PriUkazani = [&] {
        stanice->PosliHned(cast);
    };
    cekani.Prerusit = [&] {
        return prijato == static_cast<int64_t>(cast.size());
    };
    driver->AddCommand(PrikazNacteni, "");
    ASSERT_EQ(konce.size(), 1u);
    EXPECT_TRUE(konce[0].preruseno);
    EXPECT_EQ(konce[0].data, cast);
    EXPECT_FALSE(driver->Port().Active());
}

TEST_F(NacteniTest, AnNts350DownloadEndsOnlyByAbort) {
    Vytvor();
    driver->StationType = TTypStanice::tsNTS350;
    const std::string data = "NTS-350 measured data\r\n";
    const auto celkem = static_cast<int64_t>(data.size() + KonecDat.size());
    bool predPrerusenim = true;
    cekani.PriUkazani = [&] {
        stanice->PosliHned(data + KonecDat);
    };
    cekani.Prerusit = [&] {
        if (prijato < celkem)
            return false;
        Vyprs(10); // no time-out ends it either
        predPrerusenim = konce.empty();
        return true;
    };
    driver->AddCommand(PrikazNacteni, "");
    EXPECT_TRUE(predPrerusenim) << "the end mark does not end an NTS-350 download";
    ASSERT_EQ(konce.size(), 1u);
    EXPECT_TRUE(konce[0].preruseno);
    EXPECT_EQ(konce[0].data, data + KonecDat);
}
