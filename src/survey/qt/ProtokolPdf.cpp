#include "survey/qt/ProtokolPdf.h"

#include "survey/qt/KresbaPlanu.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRozliseni = 300;             // dots per inch of the page's units
constexpr double kBodu = kRozliseni / 96.0; // page units per screen pixel
constexpr double kMm = kRozliseni / 25.4;

// Writes page after page: a head line on each, then text or table rows until the page is full.
class TStrankovani {
public:
    TStrankovani(QPdfWriter& pdf, QPainter& malir, QString titulek)
        : pdf_(pdf), malir_(malir), titulek_(std::move(titulek)) {
        oblast_ = QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
        Hlava();
    }

    void NovaStrana() {
        pdf_.newPage();
        ++strana_;
        Hlava();
    }
    // Room for `vyska` units on this page, else a new one.
    void Misto(double vyska) {
        if (y_ + vyska > oblast_.bottom())
            NovaStrana();
    }
    double& Y() { return y_; }
    const QRectF& Oblast() const { return oblast_; }
    // The area below the head line.
    QRectF Zbytek() const {
        return QRectF(oblast_.left(), y_, oblast_.width(), oblast_.bottom() - y_);
    }

    void Nadpis(const QString& text) {
        QFont pismo = Pismo(11);
        pismo.setBold(true);
        const QFontMetricsF m(pismo, &pdf_);
        Misto(m.height() * 3);
        y_ += m.height() * 0.6;
        malir_.setFont(pismo);
        malir_.setPen(Qt::black);
        malir_.drawText(QPointF(oblast_.left(), y_ + m.ascent()), text);
        y_ += m.height() * 1.3;
    }

    QFont Pismo(double bodu) const {
        QFont pismo("DejaVu Sans");
        pismo.setPointSizeF(bodu);
        return pismo;
    }

private:
    void Hlava() {
        const QFont pismo = Pismo(8);
        const QFontMetricsF m(pismo, &pdf_);
        malir_.setFont(pismo);
        malir_.setPen(QColor(90, 90, 90));
        malir_.drawText(QRectF(oblast_.left(), oblast_.top(), oblast_.width(), m.height()),
                        Qt::AlignLeft, titulek_);
        malir_.drawText(QRectF(oblast_.left(), oblast_.top(), oblast_.width(), m.height()),
                        Qt::AlignRight, QString::fromUtf8("strana %1").arg(strana_));
        const double cara = oblast_.top() + m.height() + 1 * kMm;
        malir_.setPen(QPen(QColor(150, 150, 150), kBodu * 0.6));
        malir_.drawLine(QPointF(oblast_.left(), cara), QPointF(oblast_.right(), cara));
        y_ = cara + 2 * kMm;
    }

    QPdfWriter& pdf_;
    QPainter& malir_;
    QString titulek_;
    QRectF oblast_;
    double y_ = 0;
    int strana_ = 1;
};

void StranaPlanu(TStrankovani& s, QPainter& malir, const TPlan& plan) {
    s.Nadpis(QString::fromUtf8("Plán měření"));
    const QRectF plocha = s.Zbytek().adjusted(0, 0, 0, -8 * kMm);
    // The scale at which the whole plan just fits, then the standard one the page uses.
    const TPohledPlanu cely = PohledNaCelyPlan(plan, plocha.size(), 8 * kMm);
    const double jednotekNaMetrPapiru = kRozliseni / 0.0254;
    const double fitJmenovatel = jednotekNaMetrPapiru / cely.Meritko;
    const int standardni = StandardniMeritko(fitJmenovatel);
    TPohledPlanu pohled = cely;
    if (standardni > 0)
        pohled.Meritko = jednotekNaMetrPapiru / standardni;

    malir.setPen(QPen(QColor(120, 120, 120), kBodu * 0.6));
    malir.setBrush(Qt::NoBrush);
    malir.drawRect(plocha);
    TStylPlanu styl;
    styl.Jednotka = kBodu;
    styl.Pismo = s.Pismo(6.5);
    KresliPlan(malir, plan, pohled, plocha, styl);
    KresliMeritko(malir, pohled, plocha, 60 * kMm, styl);

    // North arrow: the map orientation of S-JTSK puts north up.
    const QPointF sever(plocha.right() - 10 * kMm, plocha.top() + 14 * kMm);
    malir.setPen(QPen(Qt::black, kBodu));
    malir.setBrush(Qt::black);
    malir.drawPolygon(QPolygonF({sever + QPointF(0, -8 * kMm), sever + QPointF(2.5 * kMm, 0),
                                 sever + QPointF(-2.5 * kMm, 0)}));
    malir.setFont(s.Pismo(9));
    malir.drawText(QRectF(sever.x() - 5 * kMm, sever.y() + 0.5 * kMm, 10 * kMm, 5 * kMm),
                   Qt::AlignCenter, "S");

    const QLocale cesky(QLocale::Czech, QLocale::CzechRepublic);
    const QString meritko =
        standardni > 0 ? QString::fromUtf8("Měřítko 1 : %1").arg(cesky.toString(standardni))
                       : QString::fromUtf8("Měřítko přibližně 1 : %1 (menší než 1 : 5 000)")
                             .arg(cesky.toString(qRound(fitJmenovatel)));
    malir.setFont(s.Pismo(10));
    malir.setPen(Qt::black);
    malir.drawText(QRectF(plocha.left(), plocha.bottom() + 1.5 * kMm, plocha.width(), 6 * kMm),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   meritko + QString::fromUtf8("   ·   S-JTSK, sever nahoře"));
}

void Text(TStrankovani& s, QPainter& malir, const QStringList& radky) {
    QFont pismo = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    pismo.setPointSizeF(8);
    const QFontMetricsF m(pismo, malir.device());
    for (const QString& radek : radky) {
        s.Misto(m.lineSpacing());
        malir.setFont(pismo);
        malir.setPen(Qt::black);
        malir.drawText(QPointF(s.Oblast().left(), s.Y() + m.ascent()), radek);
        s.Y() += m.lineSpacing();
    }
}

void Tabulka(TStrankovani& s, QPainter& malir, const TTabulkaPdf& t) {
    const QFont pismo = s.Pismo(7);
    QFont tucne = pismo;
    tucne.setBold(true);
    const QFontMetricsF m(pismo, malir.device()), mt(tucne, malir.device());
    const int sloupcu = int(t.Sloupce.size());
    std::vector<double> sirky(std::size_t(sloupcu), 0);
    for (int i = 0; i < sloupcu; ++i)
        sirky[std::size_t(i)] = mt.horizontalAdvance(t.Sloupce[i]);
    for (const QStringList& r : t.Radky)
        for (int i = 0; i < sloupcu && i < r.size(); ++i)
            sirky[std::size_t(i)] = std::max(sirky[std::size_t(i)], m.horizontalAdvance(r[i]));
    const double mezera = 2.5 * kMm;
    double celkem = 0;
    for (double& w : sirky)
        celkem += (w += mezera);
    // Too wide a table is squeezed; the page's width is all there is.
    const double krat = std::min(1.0, s.Oblast().width() / celkem);
    for (double& w : sirky)
        w *= krat;
    const double vyska = m.lineSpacing() * 1.15;

    auto radek = [&](const QStringList& bunky, const QFont& f, bool hlavicka) {
        malir.setFont(f);
        malir.setPen(Qt::black);
        double x = s.Oblast().left();
        for (int i = 0; i < sloupcu; ++i) {
            const QRectF bunka(x, s.Y(), sirky[std::size_t(i)] - mezera, vyska);
            const bool vlevo = i < t.Vlevo || hlavicka || (t.PosledniText && i == sloupcu - 1);
            malir.drawText(bunka, (vlevo ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                           i < bunky.size() ? bunky[i] : QString());
            x += sirky[std::size_t(i)];
        }
        s.Y() += vyska;
        if (hlavicka) {
            malir.setPen(QPen(Qt::black, kBodu * 0.5));
            malir.drawLine(QPointF(s.Oblast().left(), s.Y()), QPointF(x, s.Y()));
        }
    };
    s.Nadpis(t.Nadpis);
    radek(t.Sloupce, tucne, true);
    for (const QStringList& r : t.Radky) {
        if (s.Y() + vyska > s.Oblast().bottom()) {
            s.NovaStrana();
            radek(t.Sloupce, tucne, true); // the head again on every page
        }
        radek(r, pismo, false);
    }
}

} // namespace

int StandardniMeritko(double jmenovatel) {
    for (int m : {200, 250, 500, 1000, 2000, 5000})
        if (jmenovatel <= m * (1 + 1e-9))
            return m;
    return 0;
}

bool UlozProtokolPdf(const QString& soubor, const TObsahPdf& obsah) {
    {
        // QPdfWriter says nothing when it cannot write; ask the file first.
        QFile zkouska(soubor);
        if (!zkouska.open(QIODevice::WriteOnly))
            return false;
    }
    QPdfWriter pdf(soubor);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 12, 12, 12), QPageLayout::Millimeter);
    pdf.setResolution(kRozliseni);
    pdf.setTitle(obsah.Titulek);
    pdf.setCreator("Merivox 2.0");
    QPainter malir;
    if (!malir.begin(&pdf))
        return false;
    TStrankovani s(pdf, malir, obsah.Titulek);
    StranaPlanu(s, malir, obsah.Plan);
    if (!obsah.Protokol.isEmpty()) {
        s.NovaStrana();
        s.Nadpis(QString::fromUtf8("Protokol konverze"));
        Text(s, malir, obsah.Protokol);
    }
    for (std::size_t i = 0; i < obsah.Tabulky.size(); ++i) {
        if (i == 0 && obsah.Protokol.isEmpty())
            s.NovaStrana();
        Tabulka(s, malir, obsah.Tabulky[i]);
    }
    return malir.end();
}
