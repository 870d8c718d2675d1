// The site plan offscreen: the map orientation, zoom and fit, the scale bar's round lengths,
// the numbers thinned where they would overlap, and the widget's mouse.
#include "survey/qt/KresbaPlanu.h"
#include "survey/qt/PlanMereni.h"
#include "survey/qt/ProtokolPdf.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// Station 1 at (1000, 2000); point 2 a hundred metres west of it (Y greater), point 3 a
// hundred metres south (X greater).
TPlan Kriz() {
    TPlan plan;
    plan.Body = {{"1", 1000, 2000, true}, {"2", 1100, 2000, false}, {"3", 1000, 2100, false}};
    plan.Cary = {{0, 1, true}, {0, 2, false}};
    return plan;
}

} // namespace

TEST(PlanTest, NorthIsUpEastIsRightAndTheWholePlanFits) {
    const TPlan plan = Kriz();
    const QRectF plocha(0, 0, 400, 300);
    const TPohledPlanu pohled = PohledNaCelyPlan(plan, plocha.size(), 20);
    const QPointF stanice = pohled.NaPlochu(1000, 2000, plocha);
    const QPointF zapad = pohled.NaPlochu(1100, 2000, plocha);
    const QPointF jih = pohled.NaPlochu(1000, 2100, plocha);
    EXPECT_LT(zapad.x(), stanice.x()) << "greater Y lies left";
    EXPECT_DOUBLE_EQ(zapad.y(), stanice.y());
    EXPECT_GT(jih.y(), stanice.y()) << "greater X lies lower";
    EXPECT_DOUBLE_EQ(jih.x(), stanice.x());
    for (QPointF p : {stanice, zapad, jih})
        EXPECT_TRUE(plocha.adjusted(19.9, 19.9, -19.9, -19.9).contains(p)) << p.x() << ' ' << p.y();
    EXPECT_DOUBLE_EQ(pohled.Meritko, 260.0 / 100) << "the height limits";

    // A zoom step keeps the plane point under the pointer where it is.
    const TPohledPlanu blize = Priblizeni(pohled, plocha, jih, 1.25);
    EXPECT_DOUBLE_EQ(blize.Meritko, pohled.Meritko * 1.25);
    const QPointF jihPotom = blize.NaPlochu(1000, 2100, plocha);
    EXPECT_NEAR(jihPotom.x(), jih.x(), 1e-9);
    EXPECT_NEAR(jihPotom.y(), jih.y(), 1e-9);
    const QPointF zpet = blize.ZPlochy(jihPotom, plocha);
    EXPECT_NEAR(zpet.x(), 1000, 1e-9);
    EXPECT_NEAR(zpet.y(), 2100, 1e-9);

    // One point, or none, still gives a usable view.
    TPlan jeden;
    jeden.Body = {{"7", 5, 6, false}};
    EXPECT_GT(PohledNaCelyPlan(jeden, plocha.size(), 20).Meritko, 0);
    EXPECT_GT(PohledNaCelyPlan(TPlan(), plocha.size(), 20).Meritko, 0);
}

TEST(PlanTest, ScaleBarTakesRoundLengthsAndThePageAStandardScale) {
    struct {
        const char* jmeno;
        double meritko, nejvyse, delka;
    } const delky[] = {
        {"120 px at 1 px/m", 1, 120, 100},        {"120 px at 2.6 px/m", 2.6, 120, 20},
        {"120 px at 0.05 px/m", 0.05, 120, 2000}, {"exactly 50 m", 1, 50, 50},
        {"120 px at 300 px/m", 300, 120, 0.2},    {"no scale", 0, 120, 0},
    };
    for (const auto& d : delky)
        EXPECT_NEAR(DelkaMeritka(d.meritko, d.nejvyse), d.delka, 1e-12) << d.jmeno;
    EXPECT_EQ(TextDelky(20), "20 m");
    EXPECT_EQ(TextDelky(0.5), "0,5 m");
    EXPECT_EQ(TextDelky(2000), "2 km");

    struct {
        const char* jmeno;
        double potreba;
        int standardni;
    } const meritka[] = {
        {"a tiny site", 37, 200}, {"just fits 1:500", 500, 500}, {"needs 1:501", 501, 1000},
        {"1:2345", 2345, 5000},   {"beyond 1:5000", 5001, 0},
    };
    for (const auto& m : meritka)
        EXPECT_EQ(StandardniMeritko(m.potreba), m.standardni) << m.jmeno;
}

TEST(PlanTest, NumbersThatWouldOverlapAreLeftOut) {
    QImage obraz(400, 300, QImage::Format_ARGB32_Premultiplied);
    const QRectF plocha(0, 0, 400, 300);
    TStylPlanu styl;
    styl.Pismo = QApplication::font();
    auto popisu = [&](const TPlan& plan, const TPohledPlanu& pohled) {
        QPainter malir(&obraz);
        return KresliPlan(malir, plan, pohled, plocha, styl);
    };
    TPlan plan = Kriz();
    TPohledPlanu pohled = PohledNaCelyPlan(plan, plocha.size(), 20);
    EXPECT_EQ(popisu(plan, pohled), 3) << "apart";
    plan.Body.push_back({"4", 1000.01, 2000.01, false}); // on top of the station
    EXPECT_EQ(popisu(plan, pohled), 4) << "the second number goes left of the point";
    plan.Body.push_back({"5", 999.99, 1999.99, false});
    EXPECT_EQ(popisu(plan, pohled), 4) << "a third finds both sides taken";
    pohled.Meritko = 1e-3; // everything on one pixel
    EXPECT_EQ(popisu(plan, pohled), 2);
    pohled.Y = 1e6; // everything far outside
    EXPECT_EQ(popisu(plan, pohled), 0);
}

TEST(PlanTest, ClickSelectsTheNearestPointDragPansWheelZoomsAndFitAllReturns) {
    TPlanMereni widget;
    widget.resize(400, 300);
    widget.show();
    widget.NastavPlan(Kriz());
    const TPohledPlanu cely = widget.Pohled();
    QSignalSpy vybrano(&widget, &TPlanMereni::BodVybran);
    auto na = [&](int i) {
        const TBodPlanu& b = widget.Plan().Body[std::size_t(i)];
        return widget.Pohled().NaPlochu(b.Y, b.X, QRectF(widget.rect())).toPoint();
    };

    QTest::mouseClick(&widget, Qt::LeftButton, {}, na(2) + QPoint(3, -2));
    EXPECT_EQ(widget.VybranyBod(), 2);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, na(2) + QPoint(40, 40));
    EXPECT_EQ(widget.VybranyBod(), -1) << "beside every point";
    ASSERT_EQ(vybrano.count(), 2);
    EXPECT_EQ(vybrano[0][0].toInt(), 2);
    EXPECT_EQ(vybrano[1][0].toInt(), -1);
    widget.VyberBod(1);
    EXPECT_EQ(widget.VybranyBod(), 1);
    EXPECT_EQ(vybrano.count(), 2) << "a selection from outside is not announced back";

    const QPoint pred = na(0);
    QTest::mousePress(&widget, Qt::LeftButton, {}, pred);
    QMouseEvent tah(QEvent::MouseMove, QPointF(pred + QPoint(30, 20)),
                    widget.mapToGlobal(QPointF(pred + QPoint(30, 20))), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &tah);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, pred + QPoint(30, 20));
    EXPECT_EQ(na(0), pred + QPoint(30, 20)) << "the plan follows the hand";
    EXPECT_EQ(widget.VybranyBod(), 1) << "a drag selects nothing";

    const QPointF kde = na(2);
    QWheelEvent kolecko(kde, widget.mapToGlobal(kde), QPoint(), QPoint(0, 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &kolecko);
    EXPECT_DOUBLE_EQ(widget.Pohled().Meritko, cely.Meritko * 1.25);
    EXPECT_EQ(na(2), kde.toPoint());

    widget.CelyPlan();
    EXPECT_DOUBLE_EQ(widget.Pohled().Meritko, cely.Meritko);
    EXPECT_DOUBLE_EQ(widget.Pohled().Y, cely.Y);
}
