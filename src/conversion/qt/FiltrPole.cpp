#include "conversion/qt/FiltrPole.h"

#include "common/GlobalniFunkce.h"

#include <QLocale>

#include <string>

QValidator::State TFiltrPole::validate(QString& text, int& pozice) const {
    std::string propustene;
    QString vysledek;
    int novaPozice = pozice;
    for (int i = 0; i < text.size(); ++i) {
        const QChar znak = text[i];
        char k = znak.unicode() < 128 ? char(znak.unicode()) : 0;
        if (k != 0)
            k = realne_ ? FiltrRealneCislo(k, propustene, oddelovac_) : FiltrCeleCislo(k);
        if (k != 0 && k != '\b') {
            propustene += k;
            vysledek += QChar(k);
        } else if (i < pozice) {
            --novaPozice;
        }
    }
    text = vysledek;
    pozice = novaPozice;
    return Acceptable;
}

char OddelovacLocale() {
    const QString oddelovac = QLocale().decimalPoint();
    return oddelovac.size() == 1 && oddelovac[0].unicode() < 128 ? char(oddelovac[0].unicode())
                                                                 : '.';
}
