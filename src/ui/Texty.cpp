#include "ui/Texty.h"

#include "common/Cp1250.h"

#include <QList>

QString ZCp1250(const std::string& text) {
    QString vysledek;
    vysledek.reserve(qsizetype(text.size()));
    for (const char bajt : text) // every cp1250 character lies in the Basic Multilingual Plane
        vysledek += QChar(char16_t(Cp1250NaUnicode(static_cast<unsigned char>(bajt))));
    return vysledek;
}

std::string DoCp1250(const QString& text) {
    std::string vysledek;
    vysledek.reserve(std::size_t(text.size()));
    for (const char32_t znak : text.toUcs4()) {
        const int bajt = UnicodeNaCp1250(znak);
        vysledek += bajt < 0 ? '?' : char(bajt);
    }
    return vysledek;
}
