#include "ui/Kresba.h"

#include <QSvgRenderer>

struct TKresba::TObsah {
    QSvgRenderer svg;
};

TKresba::TKresba(const QString& cesta) : obsah_(std::make_unique<TObsah>()) {
    obsah_->svg.load(cesta);
}

TKresba::~TKresba() = default;

QSize TKresba::Velikost() const {
    return obsah_->svg.defaultSize();
}

void TKresba::Nakresli(QPainter& kreslic, const QRectF& kam) const {
    obsah_->svg.render(&kreslic, kam);
}
