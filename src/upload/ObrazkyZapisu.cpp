#include "upload/ObrazkyZapisu.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon IkonaZapisu(const QString& jmeno) {
    QSvgRenderer svg(":/zapis/" + jmeno + ".svg");
    QIcon ikona;
    for (const int strana : {16, 20, 24, 32, 48, 64}) {
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
