#include "survey/qt/PlanMereni.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr double kOkraj = 24;            // free pixels around the whole plan
constexpr double kKrokPriblizeni = 1.25; // one wheel notch
constexpr double kDosah = 6;             // how far from a point a click still selects it
} // namespace

TPlanMereni::TPlanMereni(QWidget* rodic) : QWidget(rodic) {
    setObjectName("PB_Plan");
    setMinimumSize(200, 150);
    setMouseTracking(false);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    styl_.Pismo = font();
}

void TPlanMereni::NastavPlan(TPlan plan) {
    plan_ = std::move(plan);
    styl_.Vybrany = -1;
    CelyPlan();
}

void TPlanMereni::CelyPlan() {
    celyPlan_ = true;
    pohled_ = PohledNaCelyPlan(plan_, size(), kOkraj);
    update();
}

void TPlanMereni::VyberBod(int index) {
    if (index < 0 || std::size_t(index) >= plan_.Body.size())
        index = -1;
    styl_.Vybrany = index;
    if (index >= 0) {
        const TBodPlanu& b = plan_.Body[std::size_t(index)];
        const QRectF vnitrek = Plocha().adjusted(kOkraj, kOkraj, -kOkraj, -kOkraj);
        if (!vnitrek.contains(pohled_.NaPlochu(b.Y, b.X, Plocha()))) {
            pohled_.Y = b.Y;
            pohled_.X = b.X;
            celyPlan_ = false;
        }
    }
    update();
}

int TPlanMereni::BodU(QPointF misto) const {
    int nejblizsi = -1;
    double nejmene = kDosah * kDosah;
    for (std::size_t i = 0; i < plan_.Body.size(); ++i) {
        const QPointF d = pohled_.NaPlochu(plan_.Body[i].Y, plan_.Body[i].X, Plocha()) - misto;
        const double d2 = d.x() * d.x() + d.y() * d.y();
        if (d2 <= nejmene) {
            nejmene = d2;
            nejblizsi = int(i);
        }
    }
    return nejblizsi;
}

void TPlanMereni::paintEvent(QPaintEvent*) {
    QPainter malir(this);
    malir.fillRect(rect(), Qt::white);
    KresliPlan(malir, plan_, pohled_, Plocha(), styl_);
    KresliMeritko(malir, pohled_, Plocha(), 120, styl_);
}

void TPlanMereni::resizeEvent(QResizeEvent*) {
    if (celyPlan_)
        pohled_ = PohledNaCelyPlan(plan_, size(), kOkraj);
}

void TPlanMereni::wheelEvent(QWheelEvent* udalost) {
    const double notches = udalost->angleDelta().y() / 120.0;
    if (notches == 0)
        return;
    pohled_ =
        Priblizeni(pohled_, Plocha(), udalost->position(), std::pow(kKrokPriblizeni, notches));
    celyPlan_ = false;
    update();
    udalost->accept();
}

void TPlanMereni::mousePressEvent(QMouseEvent* udalost) {
    if (udalost->button() != Qt::LeftButton)
        return;
    stisk_ = posledni_ = udalost->position();
    tazeni_ = false;
}

void TPlanMereni::mouseMoveEvent(QMouseEvent* udalost) {
    if (!(udalost->buttons() & Qt::LeftButton))
        return;
    const QPointF misto = udalost->position();
    // A hand's tremble during a click is not a drag.
    if (!tazeni_ && (misto - stisk_).manhattanLength() < 4)
        return;
    tazeni_ = true;
    const QPointF posun = misto - posledni_;
    posledni_ = misto;
    pohled_.Y += posun.x() / pohled_.Meritko;
    pohled_.X -= posun.y() / pohled_.Meritko;
    celyPlan_ = false;
    setCursor(Qt::ClosedHandCursor);
    update();
}

void TPlanMereni::mouseReleaseEvent(QMouseEvent* udalost) {
    if (udalost->button() != Qt::LeftButton)
        return;
    unsetCursor();
    if (tazeni_) {
        tazeni_ = false;
        return;
    }
    const int bod = BodU(udalost->position());
    VyberBod(bod);
    emit BodVybran(bod);
}
