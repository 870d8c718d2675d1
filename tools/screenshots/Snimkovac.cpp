#include "Snimky.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

void TSnimkovac::Uloz(QWidget* okno, const QString& jmeno, QWidget* prekryv) {
    okno->show();
    QApplication::processEvents();
    const QPixmap obsah = okno->grab();
    const qreal hustota = obsah.devicePixelRatio();
    constexpr int kTitulek = 28;
    const QSize velikost(okno->width() + 2, okno->height() + kTitulek + 1);

    QImage obraz(velikost * hustota, QImage::Format_ARGB32_Premultiplied);
    obraz.setDevicePixelRatio(hustota);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient pruh(0, 0, 0, kTitulek);
    pruh.setColorAt(0, QColor("#f4f6f8"));
    pruh.setColorAt(1, QColor("#dde2e7"));
    p.fillRect(QRect(QPoint(), velikost), pruh);
    p.drawPixmap(QPoint(6, (kTitulek - 16) / 2), okno->windowIcon().pixmap(16, 16));
    QFont pismo = okno->font();
    pismo.setBold(true);
    p.setFont(pismo);
    p.setPen(QColor("#2b3440"));
    p.drawText(QRect(28, 0, velikost.width() - 34, kTitulek), Qt::AlignVCenter,
               okno->windowTitle());
    p.drawPixmap(QPoint(1, kTitulek), obsah);
    if (prekryv) {
        const QPoint kde = okno->mapFromGlobal(prekryv->mapToGlobal(QPoint()));
        p.drawPixmap(kde + QPoint(1, kTitulek), prekryv->grab());
    }
    p.setPen(QColor("#8a96a3"));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, velikost.width() - 1, velikost.height() - 1));
    p.end();

    const QString soubor = QDir(slozka_).filePath(jmeno + pripona_ + ".png");
    if (!obraz.save(soubor)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(soubor));
        ++chyby_;
        return;
    }
    std::printf("%s\n", qPrintable(soubor));
}
