// The pictures of a Qt without the SVG module: PNG drawings made at build time, larger than
// any size they are shown at, scaled down smoothly.
#include "ui/Kresba.h"

#include <QImage>
#include <QPainter>

struct TKresba::TObsah {
    QImage obraz;
    QSize velikost;
};

TKresba::TKresba(const QString& cesta) : obsah_(std::make_unique<TObsah>()) {
    // The resource keeps the SVG's name; the reader finds the PNG by its content.
    obsah_->obraz.load(cesta, "PNG");
    const QStringList rozmery = obsah_->obraz.text("Velikost").split('x');
    if (rozmery.size() == 2)
        obsah_->velikost = QSize(rozmery[0].toInt(), rozmery[1].toInt());
}

TKresba::~TKresba() = default;

QSize TKresba::Velikost() const {
    return obsah_->velikost;
}

void TKresba::Nakresli(QPainter& kreslic, const QRectF& kam) const {
    if (obsah_->obraz.isNull())
        return;
    const QSize pixely = (kam.size() * kreslic.device()->devicePixelRatio()).toSize();
    const QImage zmenseny =
        obsah_->obraz.scaled(pixely, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    kreslic.drawImage(kam, zmenseny);
}
