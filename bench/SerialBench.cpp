// Figures of the serial layer over a pseudo-terminal with the simulated station on the other
// end: throughput of 1 MB through the component, latency from a byte written by the station to
// OnDataRecived on the user-interface thread, and the time of a Close made from inside that
// handler. Prints the figures; docs/performance.md keeps them.
#include "SimStanice.h"
#include "serial/SpComPort.h"
#include "serial/SpPlainSyncUi.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Percentil(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

TSimNastaveni Rychla() {
    TSimNastaveni n;
    n.Baud = 0;
    return n;
}

} // namespace

int main() {
    TSpPlainSyncUi ui;
    TSpSyncCallTable::Global().SetUi(&ui);

    { // 1 MB through the component
        TSimStanice sim(Rychla());
        TSpComPort port;
        port.SetDevicePath(sim.Cesta());
        std::string prijato;
        port.OnDataRecived = [&](TSpCustomSerialPort& p, int32_t) {
            prijato += p.ReadString();
        };
        std::string data(1 << 20, '\0');
        std::mt19937 nahoda(3);
        for (char& c : data)
            c = static_cast<char>(nahoda());
        port.Open();
        const auto start = Clock::now();
        std::thread zdroj([&] {
            for (size_t i = 0; i < data.size(); i += 4096)
                sim.PosliHned(data.substr(i, 4096));
        });
        ui.ProcessUntil([&] { return prijato.size() >= data.size(); }, 60s);
        const auto konec = Clock::now();
        zdroj.join();
        port.Close();
        std::printf("1 MB received: %s, %.1f ms, %.2f MB/s\n",
                    prijato == data ? "byte-exact" : "MISMATCH", Ms(konec - start),
                    1.0 / (Ms(konec - start) / 1000.0));
    }

    { // latency of one byte
        TSimStanice sim(Rychla());
        TSpComPort port;
        port.SetDevicePath(sim.Cesta());
        bool prislo = false;
        Clock::time_point t1;
        port.OnDataRecived = [&](TSpCustomSerialPort& p, int32_t) {
            t1 = Clock::now();
            p.ReadString();
            prislo = true;
        };
        port.Open();
        std::vector<double> latence;
        for (int i = 0; i < 500; ++i) {
            prislo = false;
            const auto t0 = Clock::now();
            sim.PosliHned("x");
            ui.ProcessUntil([&] { return prislo; }, 5s);
            latence.push_back(Ms(t1 - t0));
            ui.ProcessFor(1ms);
        }
        port.Close();
        std::printf("byte -> OnDataRecived: median %.3f ms, p99 %.3f ms, max %.3f ms (%zu)\n",
                    Percentil(latence, 0.5), Percentil(latence, 0.99), Percentil(latence, 1.0),
                    latence.size());
    }

    { // Close from inside the handler, with the program's 2000 ms sync timeout
        TSimStanice sim(Rychla());
        TSpComPort port;
        port.SetDevicePath(sim.Cesta());
        std::vector<double> casy;
        bool hotovo = false;
        port.OnDataRecived = [&](TSpCustomSerialPort& p, int32_t) {
            p.ReadString();
            const auto t0 = Clock::now();
            p.Close();
            casy.push_back(Ms(Clock::now() - t0));
            hotovo = true;
        };
        for (int i = 0; i < 50; ++i) {
            hotovo = false;
            port.Open();
            sim.PosliHned("\x04\r\n");
            ui.ProcessUntil([&] { return hotovo; }, 10s);
        }
        std::printf("Close inside OnDataRecived: median %.3f ms, max %.3f ms (%zu)\n",
                    Percentil(casy, 0.5), Percentil(casy, 1.0), casy.size());
    }
    ui.ProcessPosted();
    TSpSyncCallTable::Global().SetUi(nullptr);
    return 0;
}
