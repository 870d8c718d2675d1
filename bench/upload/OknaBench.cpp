// Figures of the upload windows for docs/performance.md, offscreen: the code tree rebuilt in
// the window after a key release (collator ranks, QTreeWidget filled and expanded; goal one
// frame, 16 ms, for 5,000 rows) and a 10,000-point ASC file loaded into the point window
// through its open command (goal 200 ms).
#include "link/Komunikace.h"
#include "link/qt/CasovacQt.h"
#include "ui/DialogSouboru.h"
#include "upload/qt/OknoZapisu.h"
#include "upload/qt/ZapisKodu.h"
#include "upload/qt/ZapisSouradnicBodu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

class TBezCekani : public TCekaniNaData {
public:
    bool UkazModalne() override { return true; }
    void NastavText(const std::string&) override {}
    void Zavri() override {}
};

std::unique_ptr<TComDriver> Driver() {
    TProstrediKomunikace prostredi;
    prostredi.VytvorCekani = [] {
        return std::make_unique<TBezCekani>();
    };
    prostredi.VytvorCasovac = [] {
        return std::make_unique<TCasovacQt>();
    };
    return std::make_unique<TComDriver>(std::move(prostredi));
}

std::string Slovo(std::mt19937& nahoda, int od, int po) {
    std::string text;
    for (int i = std::uniform_int_distribution<int>(od, po)(nahoda); i > 0; --i)
        text += char('a' + nahoda() % 26);
    return text;
}

void BM_ObnovStromOknaPoKlavese(benchmark::State& state) {
    auto driver = Driver();
    TFormZapisKodu okno(nullptr, *driver);
    std::mt19937 nahoda(7u);
    std::vector<std::string> adresare;
    for (int i = 0; i < state.range(1); ++i)
        adresare.push_back(Slovo(nahoda, 3, 10));
    TTabulkaKodu& kody = okno.Kody();
    for (int r = 1; r <= state.range(0); ++r) {
        if (r > 1)
            kody.PridejRadek();
        if (nahoda() % 20 != 0)
            kody.NastavBunku(r, 0, adresare[nahoda() % adresare.size()]);
        kody.NastavBunku(r, 1, Slovo(nahoda, 2, 8));
    }
    okno.Mrizka()->ZobrazTabulku();
    okno.show();
    for (auto _ : state) {
        QKeyEvent uvolneni(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
        QApplication::sendEvent(okno.Mrizka(), &uvolneni);
    }
    state.counters["items"] = okno.TreeView->topLevelItemCount();
}
BENCHMARK(BM_ObnovStromOknaPoKlavese)
    ->Args({5000, 40})
    ->Args({5000, 1000})
    ->Unit(benchmark::kMillisecond);

void BM_NacteniSouboruBoduDoOkna(benchmark::State& state) {
    const auto soubor = std::filesystem::temp_directory_path() / "merivox-bench-okno-body.asc";
    {
        std::mt19937 nahoda(11u);
        std::uniform_real_distribution<double> y(600000, 700000), x(1100000, 1200000), z(200, 600);
        std::ofstream vystup(soubor, std::ios::binary);
        char radek[128];
        for (int i = 1; i <= state.range(0); ++i) {
            std::snprintf(radek, sizeof radek, "%d,%.3f,%.3f,%.3f,* bod %d\r\n", i, y(nahoda),
                          x(nahoda), z(nahoda), i % 97);
            vystup << radek;
        }
    }
    NastavVolbuSouboru([&](QFileDialog&) { return QString::fromStdString(soubor.string()); });
    auto driver = Driver();
    TFormZapisSouradnicBodu okno(nullptr, *driver);
    okno.show();
    for (auto _ : state) {
        state.PauseTiming(); // every load goes into an empty grid, as in a fresh window
        okno.Body().InicializujTabulku();
        okno.Mrizka()->ZobrazTabulku();
        state.ResumeTiming();
        okno.A_OtevriSouborExecute();
        QApplication::processEvents(); // the grid paints what it now holds
    }
    state.counters["rows"] = okno.Mrizka()->rowCount();
    NastavVolbuSouboru({});
    std::filesystem::remove(soubor);
}
BENCHMARK(BM_NacteniSouboruBoduDoOkna)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
