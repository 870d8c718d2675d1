// Figures of the station link driver against the simulated station on a pseudo-terminal:
//  (a) from the last byte of a download's end mark to OnKomunikaceOK, beside the serial
//      layer's own byte -> OnDataRecived latency measured the same way;
//  (b) from that byte until the port is closed (the station sees the hang-up) and until the
//      user-interface loop runs the next posted call;
//  (c) a 1,000-line send to a station that acknowledges at once, with the line paced at
//      115200 Bd both ways: the driver's time per line (station's acknowledgement sent -> next
//      line's first byte) and its total against the wire time and against a bare loop that
//      talks the same conversation with plain system calls;
//  (d) the same send with the conversation record on (appended to a log file at the end of the
//      command) and off, in the same run: per line and in total.
// Usage: merivox-bench-link [DOWNLOADS] [SENDS]. Prints the figures; docs/performance.md
// keeps them.
#include "SimStanice.h"
#include "common/Zpravy.h"
#include "link/CasovacPlain.h"
#include "link/Komunikace.h"
#include "link/ProtokolStanice.h"
#include "serial/SpComPort.h"
#include "serial/SpPlainSyncUi.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr int kBaud = 115200;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Percentil(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

Clock::duration DobaNaDrate(size_t bajtu) {
    return std::chrono::microseconds(static_cast<int64_t>(bajtu) * 10'000'000 / kBaud);
}

class TZpravyBench : public TZpravy {
public:
    void Zprava(TDruhZpravy, const std::string& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    bool OtazkaAnoNe(const std::string&, const std::string&) override { return false; }
};

class TCekaniBench : public TCekaniNaData {
public:
    explicit TCekaniBench(TSpPlainSyncUi& ui) : ui_(ui) {}
    bool UkazModalne() override {
        while (!zavreno_)
            ui_.ProcessUntil([this] { return zavreno_; }, 100ms);
        return false;
    }
    void NastavText(const std::string&) override {}
    void Zavri() override { zavreno_ = true; }

private:
    TSpPlainSyncUi& ui_;
    bool zavreno_ = false;
};

TSimNastaveni Stanice(int baud) {
    TSimNastaveni n;
    n.Baud = baud;
    n.ZpozdeniPotvrzeni = 0ms;
    n.ZpozdeniStartu = 0ms;
    return n;
}

struct TZapisStanice {
    std::vector<Clock::time_point> Potvrzeni;  // each acknowledgement written to the line
    std::vector<Clock::time_point> PrvniBajty; // the first byte of each line read
    Clock::time_point Konec;                   // the final CR LF
    std::string Prijato;
};

// Waits until `t` without the sleep's overshoot of a loaded machine: sleeps most of the way,
// then spins the last fraction of a millisecond.
void CekejDo(Clock::time_point t) {
    std::this_thread::sleep_until(t - 300us);
    while (Clock::now() < t) {
    }
}

// The station's side of a send, with the line modelled at 115200 Bd both ways: a byte takes
// 10 bits on the wire, so the station's answer is taken to reach the program only when its
// bytes would have, and the program's line to reach the station no sooner than its bytes
// would after that. Each line is acknowledged at once (DC3 DC1), EOT answered with "OK" DC3.
TZapisStanice HrajZapis(TSimStanice& sim) {
    TZapisStanice z;
    std::string radek;
    bool poEot = false;
    Clock::time_point prvni, konecOdpovedi;
    auto odpovez = [&](const std::string& odpoved) {
        sim.PosliHned(odpoved);
        const auto ted = Clock::now();
        konecOdpovedi = ted + DobaNaDrate(odpoved.size());
        return ted;
    };
    while (true) {
        const std::string b = sim.Prijmi(5s, 1);
        if (b.empty())
            break;
        const auto ted = Clock::now();
        z.Prijato += b;
        if (poEot) {
            if (z.Prijato.size() >= 2 && z.Prijato.compare(z.Prijato.size() - 2, 2, "\r\n") == 0) {
                CekejDo(std::max(prvni, konecOdpovedi) + DobaNaDrate(2));
                z.Konec = Clock::now();
                break;
            }
            continue;
        }
        if (radek.empty()) {
            prvni = ted;
            z.PrvniBajty.push_back(ted);
        }
        if (b[0] == EOT && radek.empty()) {
            CekejDo(std::max(prvni, konecOdpovedi) + DobaNaDrate(1));
            odpovez(std::string("OK") + DC3);
            prvni = Clock::time_point{};
            poEot = true;
            continue;
        }
        radek += b;
        if (radek.size() >= 2 && radek.compare(radek.size() - 2, 2, "\r\n") == 0) {
            CekejDo(std::max(prvni, konecOdpovedi) + DobaNaDrate(radek.size()));
            z.Potvrzeni.push_back(odpovez(std::string{DC3, DC1}));
            radek.clear();
        }
    }
    return z;
}

// The same conversation without the driver: plain system calls on the device.
void HolyZapis(const std::string& zarizeni, const std::vector<std::string>& radky) {
    const int fd = open(zarizeni.c_str(), O_RDWR | O_NOCTTY);
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
    auto cekejNa = [&](char posledni) {
        char c = 0;
        while (c != posledni) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 5000);
            if (read(fd, &c, 1) != 1)
                return;
        }
    };
    for (const std::string& r : radky) {
        const std::string s = r + "\r\n";
        if (write(fd, s.data(), s.size()) < 0)
            break;
        cekejNa(DC1);
    }
    if (write(fd, &EOT, 1) == 1) {
        cekejNa(DC3);
        if (write(fd, "\r\n", 2) == 2)
            tcdrain(fd);
    }
    std::this_thread::sleep_for(20ms); // let the station read the end before the close
    close(fd);
}

std::unique_ptr<TComDriver> NovyDriver(TSpPlainSyncUi& ui, TZpravy& zpravy,
                                       const std::filesystem::path& zaznam = {}) {
    TProstrediKomunikace p;
    p.SouborZaznamu = zaznam;
    p.VytvorCekani = [&ui] {
        return std::make_unique<TCekaniBench>(ui);
    };
    p.VytvorCasovac = [&ui] {
        return std::make_unique<TCasovacPlain>(ui);
    };
    p.Zpravy = &zpravy;
    auto driver = std::make_unique<TComDriver>(std::move(p));
    driver->SetBaudRate(br115200);
    return driver;
}

} // namespace

int main(int argc, char** argv) {
    const int stahovani = argc > 1 ? std::atoi(argv[1]) : 100;
    const int zapisu = argc > 2 ? std::atoi(argv[2]) : 3;
    TSpPlainSyncUi ui;
    TSpSyncCallTable::Global().SetUi(&ui);
    TZpravyBench zpravy;

    { // (a) and (b): downloads of 2 KB, the end mark whole and split
        const std::string data(2048, 'x');
        for (bool rozdelena : {false, true}) {
            TSimStanice sim(Stanice(0));
            auto driver = NovyDriver(ui, zpravy);
            driver->Port().SetDevicePath(sim.Cesta());
            std::vector<double> doOK, doZavreni, doSmycky;
            for (int i = 0; i < stahovani; ++i) {
                std::atomic<int64_t> posledniBajt{0}, zaveseni{0};
                Clock::time_point ok, smycka;
                driver->OnKomunikaceOK = [&](TComDriver&, TMnozinaPrikazu, bool,
                                             const std::string&) {
                    ok = Clock::now();
                    ui.Post([&] { smycka = Clock::now(); });
                };
                std::thread hra([&] {
                    if (!sim.CekejNaPripojeni(5s))
                        return;
                    std::this_thread::sleep_for(20ms); // the opening settles
                    if (rozdelena) {                   // EOT in one receipt, CR LF in the next
                        sim.PosliHned(data + EOT);
                        std::this_thread::sleep_for(5ms);
                        sim.PosliHned("\r\n");
                    } else {
                        sim.PosliHned(data + std::string{EOT, '\r', '\n'});
                    }
                    posledniBajt = Clock::now().time_since_epoch().count();
                    while (sim.Pripojeno())
                        std::this_thread::sleep_for(50us);
                    zaveseni = Clock::now().time_since_epoch().count();
                });
                driver->AddCommand(PrikazNacteni, "");
                ui.ProcessUntil([&] { return smycka != Clock::time_point{}; }, 5s);
                hra.join();
                const Clock::time_point t0{Clock::duration(posledniBajt.load())};
                doOK.push_back(Ms(ok - t0));
                doSmycky.push_back(Ms(smycka - t0));
                doZavreni.push_back(Ms(Clock::time_point{Clock::duration(zaveseni.load())} - t0));
                if (driver->Port().Active())
                    std::printf("port still open after a download\n");
            }
            std::printf("(a) end mark %-7s -> OnKomunikaceOK: median %.3f ms, p95 %.3f ms, max "
                        "%.3f ms (%d)\n",
                        rozdelena ? "split" : "whole", Percentil(doOK, 0.5), Percentil(doOK, 0.95),
                        Percentil(doOK, 1.0), stahovani);
            std::printf("(b) end mark %-7s -> port closed (station sees hang-up): median %.3f "
                        "ms, max %.3f ms; -> loop runs the next call: median %.3f ms, max %.3f "
                        "ms\n",
                        rozdelena ? "split" : "whole", Percentil(doZavreni, 0.5),
                        Percentil(doZavreni, 1.0), Percentil(doSmycky, 0.5),
                        Percentil(doSmycky, 1.0));
        }
    }

    { // baseline of (a): the bare component, the same last byte -> OnDataRecived
        TSimStanice sim(Stanice(0));
        TSpComPort port;
        port.SetDevicePath(sim.Cesta());
        port.SetBaudRate(br115200);
        std::atomic<int64_t> t0{0};
        Clock::time_point t1;
        port.OnDataRecived = [&](TSpCustomSerialPort& p, int32_t) {
            t1 = Clock::now();
            p.ReadString();
        };
        port.Open();
        std::vector<double> v;
        for (int i = 0; i < stahovani; ++i) {
            t1 = {};
            std::thread hra([&] {
                sim.PosliHned("\n");
                t0 = Clock::now().time_since_epoch().count();
            });
            ui.ProcessUntil([&] { return t1 != Clock::time_point{}; }, 5s);
            hra.join();
            v.push_back(Ms(t1 - Clock::time_point{Clock::duration(t0.load())}));
            ui.ProcessFor(2ms);
        }
        port.Close();
        std::printf("    baseline: bare port, byte -> OnDataRecived: median %.3f ms, p95 %.3f "
                    "ms\n",
                    Percentil(v, 0.5), Percentil(v, 0.95));
    }

    { // (c) 1,000 lines
        std::vector<std::string> radky;
        std::string text;
        for (int i = 1; i <= 1000; ++i) {
            radky.push_back(std::to_string(i) + ",1" + std::to_string(100000 + i) + ".125,1" +
                            std::to_string(200000 + i) + ".500,3" + std::to_string(i % 100) +
                            ".250,KOD,");
            text += radky.back() + "\r\n";
        }
        size_t bajtu = 0; // both ways: lines, acknowledgements, EOT, the answer, CR LF
        for (const auto& r : radky)
            bajtu += r.size() + 2 + 2;
        bajtu += 1 + 3 + 2;
        const double drat = Ms(DobaNaDrate(bajtu));

        std::vector<double> celkemDriver, celkemHoly, naRadekDriver, naRadekHoly;
        std::vector<double> celkemZaznam, naRadekZaznam;
        const std::filesystem::path log = std::filesystem::temp_directory_path() /
                                          ("merivox-bench-" + std::to_string(getpid()) + ".log");
        auto naRadek = [](const TZapisStanice& z, std::vector<double>& v) {
            for (size_t i = 0; i + 1 < z.PrvniBajty.size() && i < z.Potvrzeni.size(); ++i)
                v.push_back(Ms(z.PrvniBajty[i + 1] - z.Potvrzeni[i]));
        };
        for (int k = 0; k < zapisu; ++k) {
            for (bool sZaznamem : {false, true}) { // the driver, the record off and on
                TSimStanice sim(Stanice(0));
                auto driver = NovyDriver(ui, zpravy, sZaznamem ? log : std::filesystem::path());
                driver->Port().SetDevicePath(sim.Cesta());
                bool hotovo = false, chyba = false;
                driver->OnKomunikaceOK = [&](TComDriver&, TMnozinaPrikazu, bool,
                                             const std::string&) {
                    hotovo = true;
                };
                driver->OnKomunikaceErr = [&](TComDriver& d, TMnozinaPrikazu, bool,
                                              const std::string&) {
                    d.ClearCommands();
                    hotovo = chyba = true;
                };
                TZapisStanice z;
                std::thread hra([&] { z = HrajZapis(sim); });
                const auto start = Clock::now();
                driver->AddCommand(PrikazZapis, text);
                ui.ProcessUntil([&] { return hotovo; }, 60s);
                const auto konec = Clock::now();
                hra.join();
                if (chyba || z.Potvrzeni.size() != radky.size())
                    std::printf("driver send failed (%zu lines acknowledged)\n",
                                z.Potvrzeni.size());
                (sZaznamem ? celkemZaznam : celkemDriver).push_back(Ms(konec - start));
                naRadek(z, sZaznamem ? naRadekZaznam : naRadekDriver);
            }
            { // plain system calls
                TSimStanice sim(Stanice(0));
                TZapisStanice z;
                std::thread hra([&] { z = HrajZapis(sim); });
                const auto start = Clock::now();
                HolyZapis(sim.Cesta(), radky);
                const auto konec = z.Konec != Clock::time_point{} ? z.Konec : Clock::now();
                hra.join();
                celkemHoly.push_back(
                    Ms((z.Konec != Clock::time_point{} ? z.Konec : konec) - start));
                naRadek(z, naRadekHoly);
            }
        }
        const double d = Percentil(celkemDriver, 0.5), h = Percentil(celkemHoly, 0.5);
        std::printf("(c) 1,000 lines, %zu bytes both ways: wire time at %d Bd %.1f ms\n", bajtu,
                    kBaud, drat);
        std::printf("    driver: total median %.1f ms = %.3f x wire time; per line (ack -> next "
                    "line) median %.3f ms, p95 %.3f ms\n",
                    d, d / drat, Percentil(naRadekDriver, 0.5), Percentil(naRadekDriver, 0.95));
        std::printf("    bare system calls: total median %.1f ms = %.3f x wire time; per line "
                    "median %.3f ms, p95 %.3f ms\n",
                    h, h / drat, Percentil(naRadekHoly, 0.5), Percentil(naRadekHoly, 0.95));
        std::printf("    driver / bare loop: %.3f; driver's own share per line: %.3f ms "
                    "(%d sends each)\n",
                    d / h, Percentil(naRadekDriver, 0.5) - Percentil(naRadekHoly, 0.5), zapisu);
        const double zz = Percentil(celkemZaznam, 0.5);
        std::printf("(d) record on: total median %.1f ms, per line median %.3f ms, p95 %.3f ms; "
                    "off: %.1f ms, %.3f ms, %.3f ms; on / off: total %.3f, per line %.3f "
                    "(record %ju bytes)\n",
                    zz, Percentil(naRadekZaznam, 0.5), Percentil(naRadekZaznam, 0.95), d,
                    Percentil(naRadekDriver, 0.5), Percentil(naRadekDriver, 0.95), zz / d,
                    Percentil(naRadekZaznam, 0.5) / Percentil(naRadekDriver, 0.5),
                    static_cast<uintmax_t>(std::filesystem::file_size(log) / std::max(zapisu, 1)));
        std::error_code e;
        std::filesystem::remove(log, e);
    }
    ui.ProcessPosted();
    TSpSyncCallTable::Global().SetUi(nullptr);
    return 0;
}
