// Conversion throughput in-process: the whole measurement writer (pre-scan, reader, station
// blocks) over a generated file in memory, the line reader alone and the polar coordinates of
// the same data for comparison.
#include "GeneratorSdt.h"

#include "conversion/Slova.h"
#include "conversion/Varianta.h"
#include "conversion/ZapisMAPA2.h"
#include "survey/VypocetMereni.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

struct TTicheRozhrani : TKonverzeRozhrani, TZpravy {
    TZpravy& Zpravy() override { return *this; }
    std::optional<TVolbyKonverze> Parametry(TTypStanice, bool) override { return TVolbyKonverze{}; }
    void Zprava(TDruhZpravy, const std::string&) override {}
    bool OtazkaAnoNe(const std::string&, const std::string&) override { return true; }
};

// Counts what is written, keeping nothing; it can start again, as a file not yet in place
// can, so that the writer streams its body in batches as it does into a file.
struct TPocitadlo : TVystup {
    std::size_t Bajty = 0;
    void Zapis(std::string_view data) override { Bajty += data.size(); }
    bool LzeZacitZnovu() const override { return true; }
    bool ZacniZnovu() override {
        Bajty = 0;
        return true;
    }
};

const std::string& Data(std::size_t velikost) {
    static std::map<std::size_t, std::string> data;
    auto& text = data[velikost];
    if (text.empty())
        text = GenerujSdt(velikost);
    return text;
}

void BM_ZapisMAPA2(benchmark::State& state) {
    const std::string& text = Data(std::size_t(state.range(0)));
    ParametryKonverze p;
    p.MeritkovyFaktor = 0.9999471L;
    p.NestandardniJednotky = p.NestandardniVysky = state.range(1) != 0;
    TTicheRozhrani rozhrani;
    for (auto _ : state) {
        TCteckaRadku radky(TText{text});
        TPocitadlo vystup;
        ZapisMAPA2(radky, p, rozhrani, vystup);
        benchmark::DoNotOptimize(vystup.Bajty);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_ZapisMAPA2)
    ->ArgsProduct({{5 << 20, 50 << 20}, {1, 0}})
    ->ArgNames({"bytes", "prescan"})
    ->Unit(benchmark::kMillisecond);

void BM_CteckaRadku(benchmark::State& state) {
    const std::string& text = Data(std::size_t(state.range(0)));
    for (auto _ : state) {
        TCteckaRadku radky(TText{text});
        std::string_view radek;
        std::size_t n = 0;
        while (radky.Dalsi(radek))
            n += radek.size();
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_CteckaRadku)->Arg(50 << 20)->ArgName("bytes")->Unit(benchmark::kMillisecond);

// The lines read and cut into words and fields, nothing more: the floor under the writer.
void BM_CteckaRadkuARozklad(benchmark::State& state) {
    const std::string& text = Data(std::size_t(state.range(0)));
    TKusy slova, pole;
    for (auto _ : state) {
        TCteckaRadku radky(TText{text});
        std::string_view radek;
        std::size_t n = 0;
        while (radky.Dalsi(radek)) {
            RozdelSlovaAPole(radek, slova, pole);
            n += pole.size();
        }
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_CteckaRadkuARozklad)->Arg(50 << 20)->ArgName("bytes")->Unit(benchmark::kMillisecond);

// The polar coordinates of the same data, for comparison with the writer: every measurement
// kept with its station, as the measurement view holds them, and the computed points listed.
void BM_VypocetMereni(benchmark::State& state) {
    const std::string& text = Data(std::size_t(state.range(0)));
    TZadaniVypoctu zadani;
    zadani.Mereni = text;
    zadani.Faktor = 0.9999471L;
    for (auto _ : state) {
        const TVysledekVypoctu v = VypocetMereni(zadani);
        benchmark::DoNotOptimize(VypoctenyBody(v).size());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_VypocetMereni)
    ->Arg(5 << 20)
    ->Arg(50 << 20)
    ->ArgName("bytes")
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
