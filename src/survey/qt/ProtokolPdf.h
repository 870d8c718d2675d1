// The measurement view's protocol as an A4 PDF: page 1 the site plan at a standard scale with
// its scale bar, then the conversion protocol, the orientations and the coordinate table.
#pragma once

#include "survey/qt/Plan.h"

#include <QString>
#include <QStringList>

#include <vector>

struct TTabulkaPdf {
    QString Nadpis;
    QStringList Sloupce;
    std::vector<QStringList> Radky;
    int Vlevo = 1; // how many leading columns are text (left-aligned); the rest are numbers
    bool PosledniText = false; // the last column is text too (notes)
};

struct TObsahPdf {
    QString Titulek; // the measurement's file, on every page's head
    TPlan Plan;
    QStringList Protokol; // lines of the conversion protocol, set in a fixed-width font
    std::vector<TTabulkaPdf> Tabulky;
};

// The scale denominator the plan page uses for a plan that needs at least `jmenovatel` to fit:
// the largest standard scale (1:200, 1:250, 1:500, 1:1000, 1:2000, 1:5000) at which it fits,
// so that the page can be measured with a scale ruler; 0 when even 1:5000 is too large.
int StandardniMeritko(double jmenovatel);

// Writes the PDF; false when the file cannot be written.
bool UlozProtokolPdf(const QString& soubor, const TObsahPdf& obsah);
