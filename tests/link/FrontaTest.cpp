// The command queue and the port's life around it: one command at a time, the port open from
// the first start to the last end, ports that cannot be opened or go away, closing from inside
// the port's own events.
#include "TestKomunikace.h"

#include "common/IniFile.h"
#include "link/PrevzetiUdalosti.h"
#include "link/TextyPortu.h"
#include "serial/SpComPort.h"

#include <functional>
#include <thread>

using namespace std::chrono_literals;

namespace {

struct FrontaTest : KomunikaceTest {
    int otevreni = 0;
    int zavreni = 0;
    void SledujPort() {
        driver->Port().OnPortOpen = [this](TSpCustomSerialPort&) {
            ++otevreni;
        };
        driver->Port().OnPortClose = [this](TSpCustomSerialPort&) {
            ++zavreni;
        };
    }
    std::jthread stanicniVlakno;
};

} // namespace

TEST_F(FrontaTest, ASecondCommandWaitsForTheFirstAndThePortClosesAfterTheLast) {
    Vytvor();
    SledujPort();
    std::vector<std::string> radky;
    stanicniVlakno = std::jthread([&] { radky = PrijimejZapisy(*stanice, 2); });
    driver->AddCommand(PrikazZapis, "A1\r\nA2\r\n");
    driver->AddCommand(PrikazZapis, "B1\r\n");
    EXPECT_EQ(driver->PocetPrikazu(), 2);
    ASSERT_TRUE(CekejNaKonce(2));
    stanicniVlakno.join();
    EXPECT_EQ(radky, (std::vector<std::string>{"A1", "A2", "B1"}));
    EXPECT_TRUE(konce[0].ok && konce[1].ok);
    EXPECT_EQ(konce[0].prikazu, 1) << "the second command waits";
    EXPECT_TRUE(konce[0].portOtevren) << "the port stays open for it";
    EXPECT_EQ(otevreni, 1);
    EXPECT_EQ(zavreni, 1);
    EXPECT_FALSE(driver->Port().Active());
}

TEST_F(FrontaTest, ASendQueuedDuringADownloadStartsWhenTheDownloadEnds) {
    Vytvor();
    std::vector<std::string> radky;
    cekani.PriUkazani = [&] {
        driver->AddCommand(PrikazZapis, "X\r\n");
        stanicniVlakno = std::jthread([&] {
            stanice->HrajDownload("D", 5s);
            radky = stanice->HrajUpload(5s);
        });
    };
    driver->AddCommand(PrikazNacteni, "");
    ASSERT_TRUE(CekejNaKonce(2));
    stanicniVlakno.join();
    EXPECT_EQ(konce[0].typ, PrikazNacteni);
    EXPECT_EQ(konce[0].data, "D" + KonecDat);
    EXPECT_EQ(konce[1].typ, PrikazZapis);
    EXPECT_TRUE(konce[1].ok);
    EXPECT_EQ(radky, std::vector<std::string>{"X"});
}

TEST_F(FrontaTest, BytesWhileNoCommandRunsAreDiscarded) {
    Vytvor();
    // After the send the port stays open for the download queued behind it; the station
    // chatters in between.
    auto ok = driver->OnKomunikaceOK;
    driver->OnKomunikaceOK = [&](TComDriver& d, TMnozinaPrikazu typ, bool preruseno,
                                 const std::string& data) {
        ok(d, typ, preruseno, data);
        if (typ == PrikazZapis) {
            // The bytes reach the port before the download starts (and purges them).
            stanice->PosliHned("JUNK");
            EXPECT_TRUE(ui.ProcessUntil([&] { return d.Port().InQueCount() >= 4; }, 10s));
        }
    };
    stanicniVlakno = std::jthread([&] { stanice->HrajUpload(5s); });
    driver->AddCommand(PrikazZapis, "A\r\n");
    cekani.PriUkazani = [&] {
        stanice->PosliHned("DATA" + KonecDat);
    };
    driver->AddCommand(PrikazNacteni, "");
    ASSERT_TRUE(CekejNaKonce(2));
    EXPECT_EQ(konce[1].data, "DATA" + KonecDat);
}

TEST_F(FrontaTest, APortThatCannotBeOpenedIsNamedAndEmptiesTheQueue) {
    Vytvor();
    auto chyba = [](const std::string& port) {
        return Cz("Vybraný sériový port ") + port +
               Cz(" neexistuje nebo je používán jinou aplikací");
    };
    // Busy: another program holds COM3.
    {
        TSpComPort drzitel;
        drzitel.SetComNumber(3);
        drzitel.Open();
        driver->AddCommand(PrikazNacteni, "");
        ASSERT_EQ(zpravy.zpravy.size(), 1u);
        EXPECT_EQ(zpravy.zpravy[0].Druh, TDruhZpravy::dzChyba);
        EXPECT_EQ(zpravy.zpravy[0].Text, TextPortObsazen("COM3", stanice->Cesta()));
        EXPECT_EQ(chybOtevreni, 1);
        EXPECT_EQ(driver->PocetPrikazu(), 0);
        EXPECT_EQ(cekani.ukazano, 0) << "no waiting dialog";
        driver->AddCommand(PrikazZapis, "A\r\n");
        EXPECT_EQ(zpravy.zpravy.size(), 2u) << "the queue was empty: the send tries again";
        EXPECT_EQ(chybOtevreni, 2);
        EXPECT_EQ(driver->PocetPrikazu(), 0);
    }
    // Missing: COM7 names no device.
    zpravy.zpravy.clear();
    chybOtevreni = 0;
    driver->SetComNumber(7);
    driver->AddCommand(PrikazZapis, "A\r\n");
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].Text, chyba("COM7"));
    EXPECT_EQ(driver->PocetPrikazu(), 0);
    EXPECT_EQ(chybOtevreni, 1);
    // A device given by its path is named by it.
    zpravy.zpravy.clear();
    driver->Port().SetDevicePath("/dev/merivox-no-such-tty");
    driver->AddCommand(PrikazZapis, "A\r\n");
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].Text, chyba("/dev/merivox-no-such-tty"));
    EXPECT_TRUE(konce.empty()) << "no end event";
    EXPECT_EQ(vyprseni, 0);

    // The queue is not stuck afterwards.
    driver->Port().SetDevicePath(stanice->Cesta());
    stanicniVlakno = std::jthread([&] { stanice->HrajUpload(5s); });
    driver->AddCommand(PrikazZapis, "A\r\n");
    ASSERT_TRUE(CekejNaKonce(1));
    EXPECT_TRUE(konce[0].ok);
}

// A port that is there but refuses a line setting is not called missing: the message names
// the setting. Four data bits come unchanged from the settings file and are refused at the
// start of a transfer; a rate the system refuses is refused by the system.
TEST_F(FrontaTest, ALineSettingThePortRefusesIsNamedNotCalledMissing) {
    Vytvor();
    struct TRadek {
        const char* jmeno;
        std::function<void()> nastav;
        std::string zprava;
    } radky[] = {
        {"four data bits from the settings file",
         [&] {
             TIniFile ini(nastaveni.Slozka() / "Merivex.ini");
             ini.WriteInteger("Port", "DataBits", 4);
             ini.WriteInteger("Port", "Number", 3);
             driver->LoadSettings(ini);
             EXPECT_EQ(driver->DataBits(), db4) << "loaded as it is";
         },
         TextDatoveBityOdmitnuty("COM3", 4)},
        {"a rate the system refuses",
         [&] {
             driver->SetDataBits(db8);
             driver->Port().SetUserBaudRate(12345);
             driver->SetBaudRate(brUser);
         },
         TextNastaveniOdmitnuto("COM3", Cz("12345 Bd, parita žádná, datové bity 8, stop bity 1"))},
    };
    for (const TRadek& r : radky) {
        zpravy.zpravy.clear();
        r.nastav();
        driver->AddCommand(PrikazNacteni, "");
        ASSERT_EQ(zpravy.zpravy.size(), 1u) << r.jmeno;
        EXPECT_EQ(zpravy.zpravy[0].Text, r.zprava) << r.jmeno;
        EXPECT_EQ(driver->PocetPrikazu(), 0) << r.jmeno;
        EXPECT_EQ(cekani.ukazano, 0) << r.jmeno;
    }
}

TEST_F(FrontaTest, ATakerHasTheEventsWhileItLivesAndGivesBackWhatItFound) {
    Vytvor();
    std::vector<std::string> kdo;
    {
        const TPrevzetiUdalosti okno(*driver);
        driver->OnChybaOtevreni = [&](TComDriver&) {
            kdo.push_back("okno");
        };
        driver->OnPrubehNacteni = nullptr;
        {
            const TPrevzetiUdalosti vnorene(*driver);
            driver->OnChybaOtevreni = [&](TComDriver&) {
                kdo.push_back("vnorene");
            };
            driver->OnChybaOtevreni(*driver);
        }
        driver->OnChybaOtevreni(*driver);
        EXPECT_FALSE(driver->OnPrubehNacteni);
    }
    driver->OnChybaOtevreni(*driver);
    EXPECT_EQ(kdo, (std::vector<std::string>{"vnorene", "okno"}));
    EXPECT_EQ(chybOtevreni, 1) << "the fixture's own handler is back";
    EXPECT_TRUE(driver->OnPrubehNacteni);
}
