// The link driver under test: the test thread is the user-interface thread (a plain loop), the
// station is TSimStanice on a pseudo-terminal mapped to COM3, the waiting dialog is a nested
// loop that a test can abort, and the response timer runs on a clock of the test's own.
// Nothing here waits for time to pass: a station thread that must not run ahead of the driver
// waits at a barrier ("the driver has been handed receipt N"), and a test that checks that
// something does not happen moves the clock on.
#pragma once

#include "DriverTestu.h"
#include "SimStanice.h"
#include "ZaznamZprav.h"
#include "common/Cp1250.h"
#include "common/Zpravy.h"
#include "link/Komunikace.h"
#include "link/ProtokolStanice.h"
#include "serial/SpPlainSyncUi.h"
#include "serial/TestNastaveni.h"

#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The station's side of one or more sends in a row (the port may stay open between them):
// acknowledges every line, answers EOT with "OK" DC3 and takes the closing CR LF. Returns the
// lines received; `vse` gets every byte.
inline std::vector<std::string> PrijimejZapisy(TSimStanice& stanice, int konverzaci,
                                               std::string* vse = nullptr) {
    std::vector<std::string> radky;
    std::string radek;
    bool poEot = false;
    int hotovo = 0;
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (hotovo < konverzaci && std::chrono::steady_clock::now() < limit) {
        for (char c : stanice.Prijmi(std::chrono::milliseconds(20))) {
            if (vse)
                *vse += c;
            radek += c;
            if (poEot) {
                if (KonciNa(radek, "\r\n")) {
                    poEot = false;
                    radek.clear();
                    ++hotovo;
                }
            } else if (radek == std::string{EOT}) {
                stanice.PosliHned(std::string("OK") + DC3);
                poEot = true;
                radek.clear();
            } else if (KonciNa(radek, "\r\n")) {
                radky.push_back(radek.substr(0, radek.size() - 2));
                radek.clear();
                stanice.PosliHned(Potvrzeni);
            }
        }
    }
    return radky;
}

// The end of a command as the handlers saw it.
struct TKonec {
    bool ok = false;
    TMnozinaPrikazu typ = 0;
    bool preruseno = false;
    std::string data;
    int vyprseni = 0; // timer expiries so far
    int prikazu = 0;  // commands left in the queue (before an error handler clears it)
    bool portOtevren = false;
};

struct KomunikaceTest : ::testing::Test, TProstrediPortu<TSpPlainSyncUi> {
    TZaznamZprav zpravy;
    TStavCekani cekani;
    int vyprseni = 0;
    int chybOtevreni = 0;
    std::vector<TKonec> konce;
    std::vector<std::pair<int, int>> prubeh;
    TFalesnyCasovac* casovac = nullptr;
    std::chrono::milliseconds interval{0};
    std::unique_ptr<TSimStanice> stanice;
    std::unique_ptr<TComDriver> driver;
    std::filesystem::path souborZaznamu; // the driver's conversation record; empty: none

    // How far the driver has come, written on this thread under the lock and read by station
    // threads at their barriers: the bytes a download has reported, and the receipts with
    // bytes that the driver has been handed.
    std::mutex barieraLock;
    std::condition_variable bariera;
    int64_t prijato = 0;
    int prijmu = 0;

    // A station thread waits here until the driver has come so far (at most 10 s).
    bool CekejNaDriver(const std::function<bool()>& podminka) {
        std::unique_lock lock(barieraLock);
        return bariera.wait_for(lock, std::chrono::seconds(10), podminka);
    }
    int Prijmu() {
        std::lock_guard lock(barieraLock);
        return prijmu;
    }
    // The response timer's interval passes `kolikrat` times.
    void Vyprs(int kolikrat = 1) {
        for (int i = 0; i < kolikrat; ++i)
            casovac->Posun(interval);
    }

    // What the port posted runs while the handlers' fields still exist.
    ~KomunikaceTest() override {
        driver.reset();
        ui.ProcessPosted();
    }

    // A station that answers at once, and a driver on COM3.
    static TSimNastaveni Rychla() {
        TSimNastaveni n;
        n.Baud = 0;
        n.ZpozdeniPotvrzeni = std::chrono::milliseconds(0);
        n.ZpozdeniStartu = std::chrono::milliseconds(0);
        return n;
    }
    void Vytvor(TSimNastaveni n = Rychla(),
                std::chrono::milliseconds delka = std::chrono::milliseconds(1000)) {
        stanice = std::make_unique<TSimStanice>(n);
        nastaveni.Mapuj(3, stanice->Cesta());
        TProstrediKomunikace p = ProstrediDriveru(zpravy, cekani, &ui, &vyprseni, &casovac);
        p.SouborZaznamu = souborZaznamu;
        driver = std::make_unique<TComDriver>(std::move(p));
        driver->SetComNumber(3);
        driver->SetBaudRate(br115200);
        driver->SetIntervalCasovace(delka);
        interval = delka;
        auto prijem = driver->Port().OnDataRecived;
        driver->Port().OnDataRecived = [this, prijem](TSpCustomSerialPort& port, int32_t pocet) {
            prijem(port, pocet);
            if (pocet > 0) {
                std::lock_guard lock(barieraLock);
                ++prijmu;
            }
            bariera.notify_all();
        };
        driver->OnKomunikaceOK = [this](TComDriver& d, TMnozinaPrikazu typ, bool preruseno,
                                        const std::string& data) {
            konce.push_back(
                {true, typ, preruseno, data, vyprseni, d.PocetPrikazu(), d.Port().Active()});
        };
        driver->OnKomunikaceErr = [this](TComDriver& d, TMnozinaPrikazu typ, bool preruseno,
                                         const std::string& data) {
            konce.push_back(
                {false, typ, preruseno, data, vyprseni, d.PocetPrikazu(), d.Port().Active()});
            d.ClearCommands(); // as every handler in the program does
        };
        driver->OnPrubehZapisu = [this](TComDriver&, int potvrzeno, int celkem) {
            prubeh.emplace_back(potvrzeno, celkem);
        };
        driver->OnPrubehNacteni = [this](TComDriver&, int64_t pocet) {
            {
                std::lock_guard lock(barieraLock);
                prijato = pocet;
            }
            bariera.notify_all();
        };
        driver->OnChybaOtevreni = [this](TComDriver&) {
            ++chybOtevreni;
        };
    }
    bool CekejNaKonce(size_t pocet) {
        return ui.ProcessUntil([&] { return konce.size() >= pocet; },
                               std::chrono::milliseconds(30000));
    }
};
