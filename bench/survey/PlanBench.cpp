// Figures of the site plan for docs/performance.md, offscreen: a full repaint of 10,000 points
// with their lines and the numbers that fit into a 1280 x 1024 image (goal one frame, 16 ms),
// and one wheel step of the plan widget of that size with the repaint it causes (goal 50 ms).
#include "survey/qt/KresbaPlanu.h"
#include "survey/qt/PlanMereni.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

const QSize kObraz(1280, 1024);

// A site of `bodu` points measured from 50 stations of a traverse some 2 km long, each point
// within 150 m of its station; every station also sights the one before it.
TPlan VelkyPlan(int bodu) {
    std::mt19937 nahoda(24);
    std::uniform_real_distribution<double> smer(0, 2 * M_PI), delka(5, 150);
    TPlan plan;
    const int stanic = 50;
    for (int s = 0; s < stanic; ++s) {
        TBodPlanu st;
        st.Cislo = QString::number(4001 + s);
        st.Y = 740000 + 40.0 * s + 30 * std::sin(s / 4.0);
        st.X = 1045000 - 25.0 * s;
        st.Stanice = true;
        plan.Body.push_back(st);
        if (s > 0)
            plan.Cary.push_back({s, s - 1, true});
    }
    for (int i = 0; i < bodu; ++i) {
        const int s = i % stanic;
        const double a = smer(nahoda), d = delka(nahoda);
        TBodPlanu b;
        b.Cislo = QString::number(10001 + i);
        b.Y = plan.Body[std::size_t(s)].Y + d * std::sin(a);
        b.X = plan.Body[std::size_t(s)].X + d * std::cos(a);
        plan.Body.push_back(b);
        plan.Cary.push_back({s, int(plan.Body.size()) - 1, false});
    }
    return plan;
}

void BM_PrekresleniPlanu(benchmark::State& stav) {
    const TPlan plan = VelkyPlan(int(stav.range(0)));
    QImage obraz(kObraz, QImage::Format_ARGB32_Premultiplied);
    const QRectF plocha(QPointF(0, 0), QSizeF(kObraz));
    // The whole plan, or a part of it zoomed in where more numbers find room.
    TPohledPlanu pohled = PohledNaCelyPlan(plan, kObraz, 24);
    pohled.Meritko *= double(stav.range(1));
    TStylPlanu styl;
    styl.Pismo = QApplication::font();
    int popisu = 0;
    for (auto _ : stav) {
        QPainter malir(&obraz);
        malir.fillRect(plocha, Qt::white);
        popisu = KresliPlan(malir, plan, pohled, plocha, styl);
        KresliMeritko(malir, pohled, plocha, 120, styl);
    }
    stav.counters["popisu"] = popisu;
}
BENCHMARK(BM_PrekresleniPlanu)->Args({10000, 1})->Args({10000, 4})->Unit(benchmark::kMillisecond);

// One notch of the wheel on the widget, then the widget painted as the window would show it.
void BM_KrokPriblizeni(benchmark::State& stav) {
    TPlanMereni widget;
    widget.resize(kObraz);
    widget.NastavPlan(VelkyPlan(int(stav.range(0))));
    QImage obraz(kObraz, QImage::Format_ARGB32_Premultiplied);
    const QPointF stred(640, 512);
    int krok = 0;
    for (auto _ : stav) {
        // In and out by turns, so that every step draws a comparable picture.
        const int smer = (krok++ % 2) ? -120 : 120;
        QWheelEvent kolecko(stred, widget.mapToGlobal(stred), QPoint(), QPoint(0, smer),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&widget, &kolecko);
        widget.render(&obraz);
    }
}
BENCHMARK(BM_KrokPriblizeni)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
