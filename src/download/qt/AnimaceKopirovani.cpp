#include "download/qt/AnimaceKopirovani.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include <cmath>
#include <numbers>

namespace {
constexpr int kIkona = 32;

// A folder in the colours of a desktop folder icon, drawn so that it looks the same on
// every platform.
void KresliSlozku(QPainter& p, const QRect& r) {
    const QColor hrana(176, 132, 28);
    p.setPen(hrana);
    p.setBrush(QColor(236, 196, 84));
    QPainterPath zalozka;
    zalozka.addRoundedRect(QRectF(r.left(), r.top(), r.width() * 0.45, r.height() * 0.3), 2, 2);
    p.drawPath(zalozka);
    p.setBrush(QColor(250, 214, 110));
    p.drawRoundedRect(QRectF(r.left(), r.top() + r.height() * 0.18, r.width(), r.height() * 0.82),
                      2, 2);
}

// A sheet with a folded corner and a few lines of text.
void KresliList(QPainter& p, const QPointF& stred) {
    const QRectF r(stred.x() - 9, stred.y() - 12, 18, 24);
    QPainterPath list;
    list.moveTo(r.topLeft());
    list.lineTo(r.right() - 5, r.top());
    list.lineTo(r.right(), r.top() + 5);
    list.lineTo(r.bottomRight());
    list.lineTo(r.bottomLeft());
    list.closeSubpath();
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawPath(list);
    p.setPen(QColor(70, 110, 190));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(r.left() + 3, r.top() + 8 + 4 * i),
                   QPointF(r.right() - 3, r.top() + 8 + 4 * i));
}
} // namespace

TAnimaceKopirovani::TAnimaceKopirovani(QWidget* rodic) : QWidget(rodic) {
    setObjectName("Animace");
    casovac_.setInterval(60);
    connect(&casovac_, &QTimer::timeout, this, [this] {
        krok_ = (krok_ + 1) % PocetKroku;
        update();
    });
}

void TAnimaceKopirovani::showEvent(QShowEvent*) {
    casovac_.start();
}

void TAnimaceKopirovani::hideEvent(QHideEvent*) {
    casovac_.stop();
}

void TAnimaceKopirovani::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int y = height() - kIkona - 2;
    const QRect odkud(4, y, kIkona, kIkona - 4);
    const QRect kam(width() - kIkona - 4, y, kIkona, kIkona - 4);
    KresliSlozku(p, odkud);
    KresliSlozku(p, kam);
    // The sheet flies along an arc from the first folder's mouth to the second's.
    const double t = double(krok_) / (PocetKroku - 1);
    const double x0 = odkud.center().x(), x1 = kam.center().x();
    const double dno = y + 4.0, vyska = y - 14.0;
    const QPointF stred(x0 + (x1 - x0) * t, dno - (dno - vyska) * std::sin(t * std::numbers::pi));
    KresliList(p, stred);
}
