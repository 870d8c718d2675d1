#include "ui/IkonaSvg.h"

#include "ui/Kresba.h"

#include <QPainter>
#include <QPixmap>

QIcon IkonaSvg(const QString& cesta) {
    const TKresba kresba(cesta);
    QIcon ikona;
    for (const int strana : {16, 20, 24, 32, 40, 48, 64, 72, 96, 128, 256}) {
        QPixmap obraz(strana, strana);
        obraz.fill(Qt::transparent);
        QPainter kreslic(&obraz);
        kreslic.setRenderHint(QPainter::Antialiasing);
        kresba.Nakresli(kreslic, QRectF(0, 0, strana, strana));
        kreslic.end();
        ikona.addPixmap(obraz);
    }
    return ikona;
}
