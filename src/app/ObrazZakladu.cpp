#include "app/ObrazZakladu.h"

#include "app/Obrazky.h"

#include <QPainter>

TObrazZakladu::TObrazZakladu(QWidget* rodic) : QWidget(rodic), obraz_(CestaObrazku("zaklad")) {}

QSize TObrazZakladu::sizeHint() const {
    return obraz_.defaultSize();
}

void TObrazZakladu::paintEvent(QPaintEvent*) {
    const QSize velikost =
        obraz_.defaultSize().scaled(size().boundedTo(obraz_.defaultSize()), Qt::KeepAspectRatio);
    QRect kam(QPoint(), velikost);
    kam.moveCenter(rect().center());
    QPainter kreslic(this);
    kreslic.setRenderHint(QPainter::Antialiasing);
    obraz_.render(&kreslic, kam);
}
