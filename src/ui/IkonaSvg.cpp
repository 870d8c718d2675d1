#include "ui/IkonaSvg.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon IkonaSvg(const QString& cesta) {
    QSvgRenderer svg(cesta);
    QIcon ikona;
    for (const int strana : {16, 20, 24, 32, 40, 48, 64, 72, 96, 128, 256}) {
        QPixmap obraz(strana, strana);
        obraz.fill(Qt::transparent);
        QPainter kreslic(&obraz);
        kreslic.setRenderHint(QPainter::Antialiasing);
        svg.render(&kreslic);
        kreslic.end();
        ikona.addPixmap(obraz);
    }
    return ikona;
}
