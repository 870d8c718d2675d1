// The program icon as a Windows icon file for the resource script: the SVG rendered at the
// sizes Windows asks for, each stored as PNG (which every Windows since Vista reads).
#include "Snimky.h"

#include "app/Obrazky.h"

#include <QBuffer>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <vector>

bool UlozIkonuWindows(const QString& soubor) {
    const QIcon ikona = IkonaProgramu();
    std::vector<QByteArray> obrazy;
    const int strany[] = {16, 24, 32, 48, 64, 128, 256};
    for (const int strana : strany) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ikona.pixmap(strana, strana).toImage().save(&buffer, "PNG");
        obrazy.push_back(png);
    }
    QByteArray ico;
    auto le16 = [&ico](int v) {
        ico.append(char(v & 0xFF));
        ico.append(char(v >> 8 & 0xFF));
    };
    auto le32 = [&](qint64 v) {
        le16(int(v & 0xFFFF));
        le16(int(v >> 16 & 0xFFFF));
    };
    le16(0);
    le16(1); // an icon
    le16(int(obrazy.size()));
    qint64 posun = 6 + 16 * qint64(obrazy.size());
    for (std::size_t i = 0; i < obrazy.size(); ++i) {
        const int strana = strany[i] == 256 ? 0 : strany[i]; // 0 stands for 256
        ico.append(char(strana));
        ico.append(char(strana));
        ico.append(char(0)); // no palette
        ico.append(char(0));
        le16(1);  // planes
        le16(32); // bits per pixel
        le32(obrazy[i].size());
        le32(posun);
        posun += obrazy[i].size();
    }
    for (const auto& obraz : obrazy)
        ico.append(obraz);
    QFile vystup(soubor);
    return vystup.open(QIODevice::WriteOnly) && vystup.write(ico) == ico.size();
}

bool UlozIkonuPng(int strana, const QString& soubor) {
    return strana > 0 && IkonaProgramu().pixmap(strana, strana).toImage().save(soubor, "PNG");
}
