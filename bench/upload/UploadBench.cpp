// Figures for docs/performance.md: the code tree is rebuilt from scratch after every key
// release in the code table, so it must fit in one frame (16 ms) for a large table; a point
// file of 10,000 points must load well within 200 ms.
#include "common/Cp1250.h"
#include "upload/SouborBodu.h"
#include "upload/StromKodu.h"
#include "upload/StromKoduReference.h"
#include "upload/ZaznamBodu.h"
#include "upload/ZaznamKodu.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

std::string NahodnyText(std::mt19937& nahoda, int odDelky, int doDelky) {
    std::uniform_int_distribution<int> delka(odDelky, doDelky);
    std::uniform_int_distribution<int> pismeno(0, 25);
    std::string text;
    for (int i = delka(nahoda); i > 0; --i)
        text += char('a' + pismeno(nahoda));
    return text;
}

// A surveyor's code list: a number of directories (typed in either case), most codes filed
// under one, some without directory.
TTabulkaKodu VelkaTabulkaKodu(int radku, int pocetAdresaru) {
    std::mt19937 nahoda(7u);
    std::vector<std::string> adresare;
    for (int i = 0; i < pocetAdresaru; ++i)
        adresare.push_back(NahodnyText(nahoda, 3, 10));
    std::uniform_int_distribution<std::size_t> adresar(0, adresare.size() - 1);
    std::uniform_int_distribution<int> procento(0, 99);
    TTabulkaKodu tabulka;
    for (int r = 1; r <= radku; ++r) {
        if (r > 1)
            tabulka.PridejRadek();
        if (procento(nahoda) >= 5) {
            std::string d = adresare[adresar(nahoda)];
            if (procento(nahoda) < 30)
                d[0] = char(d[0] - 'a' + 'A');
            tabulka.NastavBunku(r, TTabulkaKodu::skAdresar, d);
        }
        tabulka.NastavBunku(r, TTabulkaKodu::skKod, NahodnyText(nahoda, 2, 8));
    }
    return tabulka;
}

std::string SouborBodu(int bodu) {
    std::mt19937 nahoda(11u);
    std::uniform_real_distribution<double> y(600000, 700000), x(1100000, 1200000), z(200, 600);
    std::string obsah;
    char radek[128];
    for (int i = 1; i <= bodu; ++i) {
        std::snprintf(radek, sizeof radek, "%d,%.3f,%.3f,%.3f,* bod %d\r\n", i, y(nahoda),
                      x(nahoda), z(nahoda), i % 97);
        obsah += radek;
    }
    return obsah;
}

void BM_ObnovStrom(benchmark::State& state) {
    const auto tabulka = VelkaTabulkaKodu(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ObnovStrom(tabulka));
    state.SetLabel("byte order");
}
BENCHMARK(BM_ObnovStrom)->Args({5000, 40})->Args({5000, 1000})->Unit(benchmark::kMillisecond);

// A comparison that converts both texts on every call, as a window that hands cp1250 texts to
// a Unicode collator would: the cost of the order itself.
void BM_ObnovStromPrevodPriPorovnani(benchmark::State& state) {
    const auto tabulka = VelkaTabulkaKodu(int(state.range(0)), int(state.range(1)));
    auto mensi = [](const std::string& a, const std::string& b) {
        return Cp1250NaUtf8(a) < Cp1250NaUtf8(b);
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(ObnovStrom(tabulka, mensi));
    state.SetLabel("converting comparison");
}
BENCHMARK(BM_ObnovStromPrevodPriPorovnani)
    ->Args({5000, 40})
    ->Args({5000, 1000})
    ->Unit(benchmark::kMillisecond);

// The plain build with the linear search of all items, for comparison.
void BM_ObnovStromLinearniHledani(benchmark::State& state) {
    const auto tabulka = VelkaTabulkaKodu(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::ObnovStrom(tabulka, PorovnaniBajtu));
    state.SetLabel("plain linear search");
}
BENCHMARK(BM_ObnovStromLinearniHledani)
    ->Args({5000, 40})
    ->Args({5000, 1000})
    ->Unit(benchmark::kMillisecond);

void BM_SestavZapisKodu(benchmark::State& state) {
    const auto tabulka = VelkaTabulkaKodu(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SestavZapisKodu(tabulka));
}
BENCHMARK(BM_SestavZapisKodu)->Args({5000, 40})->Args({5000, 1000})->Unit(benchmark::kMillisecond);

void BM_NactiBody(benchmark::State& state) {
    const auto obsah = SouborBodu(int(state.range(0)));
    TTabulkaBodu tabulka;
    for (auto _ : state) {
        NactiBody(obsah, tabulka);
        benchmark::DoNotOptimize(tabulka.PocetRadku());
    }
}
BENCHMARK(BM_NactiBody)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_NactiSouborBodu(benchmark::State& state) {
    const auto soubor = std::filesystem::temp_directory_path() / "merivox-bench-body.asc";
    std::ofstream(soubor, std::ios::binary) << SouborBodu(int(state.range(0)));
    TTabulkaBodu tabulka;
    for (auto _ : state) {
        if (NactiSouborTabulky(soubor, tabulka, NactiBody))
            state.SkipWithError("cannot read the point file");
        benchmark::DoNotOptimize(tabulka.PocetRadku());
    }
    std::filesystem::remove(soubor);
}
BENCHMARK(BM_NactiSouborBodu)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SestavZapisBodu(benchmark::State& state) {
    TTabulkaBodu tabulka;
    NactiBody(SouborBodu(int(state.range(0))), tabulka);
    for (auto _ : state)
        benchmark::DoNotOptimize(SestavZapisBodu(tabulka, false));
}
BENCHMARK(BM_SestavZapisBodu)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
