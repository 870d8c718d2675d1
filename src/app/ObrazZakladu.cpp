#include "app/ObrazZakladu.h"

#include "app/Obrazky.h"

#include <QPainter>

TObrazZakladu::TObrazZakladu(QWidget* rodic) : QWidget(rodic), obraz_(CestaObrazku("zaklad")) {}

QSize TObrazZakladu::sizeHint() const {
    return obraz_.Velikost();
}

void TObrazZakladu::paintEvent(QPaintEvent*) {
    const QSize velikost =
        obraz_.Velikost().scaled(size().boundedTo(obraz_.Velikost()), Qt::KeepAspectRatio);
    QRect kam(QPoint(), velikost);
    kam.moveCenter(rect().center());
    QPainter kreslic(this);
    kreslic.setRenderHint(QPainter::Antialiasing);
    obraz_.Nakresli(kreslic, kam);
}
