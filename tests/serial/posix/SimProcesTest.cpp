// The port component against merivox-sim running as its own process, as a user runs it: the
// station's two conversations end to end, and the faults it can play.
#include "serial/SimProces.h"
#include "serial/SpComPort.h"
#include "serial/SpPlainSyncUi.h"
#include "serial/TestNastaveni.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace std::chrono_literals;

namespace {

struct SimProcesTest : ::testing::Test, TProstrediPortu<TSpPlainSyncUi> {
    std::string prijato;
    ~SimProcesTest() override { ui.ProcessPosted(); } // while `prijato` still exists
    std::filesystem::path Soubor(const std::string& jmeno, const std::string& obsah) {
        const auto p = nastaveni.Slozka() / jmeno;
        ZapisSoubor(p, obsah);
        return p;
    }
    void Prijimej(TSpComPort& port) {
        // ReadString alone: a PurgeInput after it would throw away bytes that arrive between
        // the two calls, which with bytes split at random loses some of them.
        port.OnDataRecived = [this](TSpCustomSerialPort& p, int32_t) {
            prijato += p.ReadString();
        };
    }
    bool KonciNa(const std::string& konec) {
        return ui.ProcessUntil(
            [&] {
                return prijato.size() >= konec.size() &&
                       prijato.compare(prijato.size() - konec.size(), konec.size(), konec) == 0;
            },
            20s);
    }
};

} // namespace

TEST_F(SimProcesTest, ADownloadSplitAtRandomArrivesByteExactWithTheEndMark) {
    std::string data;
    std::mt19937 nahoda(11);
    for (int i = 0; i < 20000; ++i)
        data += static_cast<char>(0x20 + nahoda() % 0x5F);
    TSimProces sim({"--baud", "0", "--start-delay", "20", "--split", "7", "--once", "download",
                    Soubor("data.sdt", data).string()});
    ASSERT_FALSE(sim.Zarizeni().empty());
    nastaveni.Mapuj(1, sim.Zarizeni());
    TSpComPort port;
    port.SetComNumber(1);
    Prijimej(port);
    port.Open();
    ASSERT_TRUE(KonciNa("\x04\r\n"));
    const std::string cekano = data + "\x04\r\n";
    ASSERT_EQ(prijato.size(), cekano.size());
    const auto rozdil = std::mismatch(prijato.begin(), prijato.end(), cekano.begin());
    EXPECT_TRUE(rozdil.first == prijato.end())
        << "first difference at byte " << (rozdil.first - prijato.begin());
    port.Close();
    EXPECT_EQ(sim.Cekej(5s), 0);
}

TEST_F(SimProcesTest, AnUploadIsAcknowledgedLineByLineAndStored) {
    const auto vystup = nastaveni.Slozka() / "received.txt";
    TSimProces sim({"--baud", "0", "--ack-delay", "1", "--noise", "3", "--once", "upload", "--out",
                    vystup.string()});
    TSpComPort port;
    port.SetDevicePath(sim.Zarizeni());
    Prijimej(port);
    port.Open();
    const std::vector<std::string> radky = {"1,100.000,200.000,300.000,", "2,1.5,2.5,3.5,bod"};
    for (const std::string& r : radky) {
        port.WriteString(r + "\r\n");
        ASSERT_TRUE(KonciNa("\x13\x11")) << r;
        EXPECT_EQ(prijato.size(), 5u) << "three noise bytes, then DC3 DC1";
        prijato.clear();
    }
    port.WriteString("\x04");
    ASSERT_TRUE(KonciNa("OK\x13"));
    EXPECT_EQ(prijato.size(), 6u);
    port.WriteString("\r\n");
    EXPECT_EQ(sim.Cekej(10s), -1) << "the station waits until the port is closed";
    port.Close();
    ASSERT_EQ(sim.Cekej(10s), 0);
    EXPECT_EQ(NactiSoubor(vystup), radky[0] + "\r\n" + radky[1] + "\r\n");
}

TEST_F(SimProcesTest, FaultsCutAcknowledgementsStaySilentAndHangUp) {
    {
        TSimProces sim({"--baud", "0", "--ack-delay", "0", "--ack-cut", "upload", "--out",
                        (nastaveni.Slozka() / "cut.txt").string()});
        TSpComPort port;
        port.SetDevicePath(sim.Zarizeni());
        Prijimej(port);
        port.Open();
        port.WriteString("line\r\n");
        ASSERT_TRUE(KonciNa("\x13"));
        ui.ProcessFor(100ms);
        EXPECT_EQ(prijato, "\x13") << "DC1 never comes";
    }
    {
        prijato.clear();
        TSimProces sim({"--silence", "upload", "--out", (nastaveni.Slozka() / "s.txt").string()});
        TSpComPort port;
        port.SetDevicePath(sim.Zarizeni());
        Prijimej(port);
        port.Open();
        port.WriteString("line\r\n");
        ui.ProcessFor(100ms);
        EXPECT_EQ(prijato, "");
    }
    {
        prijato.clear();
        TSimProces sim({"--baud", "0", "--start-delay", "0", "--hangup-after", "4", "download",
                        Soubor("h.sdt", "ABCDEFGH").string()});
        TSpComPort port;
        port.SetDevicePath(sim.Zarizeni());
        Prijimej(port);
        bool zaveseno = false;
        uint32_t chyby = 0;
        port.OnRLSDChanged = [&](TSpCustomSerialPort&) {
            zaveseno = true;
        };
        port.OnLineError = [&](TSpCustomSerialPort&, uint32_t e) {
            chyby = e;
        };
        port.Open();
        ASSERT_TRUE(ui.ProcessUntil([&] { return zaveseno; }, 10s));
        EXPECT_EQ(prijato, "ABCD");
        EXPECT_EQ(chyby & SpLineError::IoError, SpLineError::IoError);
        EXPECT_EQ(sim.Cekej(5s), 0) << "the station ends after its hang-up";
        port.Close();
    }
}

TEST_F(SimProcesTest, UsageErrorsAndHelp) {
    EXPECT_EQ(TSimProces({"--help"}).Cekej(5s), 0);
    EXPECT_EQ(TSimProces({"upload"}).Cekej(5s), 1);
    EXPECT_EQ(TSimProces({"--bogus"}).Cekej(5s), 1);
    EXPECT_EQ(TSimProces({"download", "/no/such/file"}).Cekej(5s), 2);
}
