#include "survey/qt/KresbaPlanu.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const QColor kCara(150, 160, 172);
const QColor kOrientace(224, 123, 0);
const QColor kBod(31, 95, 168);
const QColor kStanice(198, 40, 40);
const QColor kVyber(255, 196, 0);

// Which parts of the surface the numbers already take, in cells of a few units: a number is
// written only where all its cells are free. A grid keeps the test at a few cells per label,
// whatever the number of points.
class TObsazeni {
public:
    TObsazeni(const QRectF& plocha, double bunka)
        : plocha_(plocha), bunka_(bunka),
          sloupcu_(std::max(1, int(std::ceil(plocha.width() / bunka)))),
          radku_(std::max(1, int(std::ceil(plocha.height() / bunka)))),
          bunky_(std::size_t(sloupcu_) * std::size_t(radku_), 0) {}

    // Whether the cell of `bod` is free: most numbers of a dense plan fail here already.
    bool Volno(QPointF bod) const {
        if (!plocha_.contains(bod))
            return false;
        const int x = std::min(sloupcu_ - 1, int((bod.x() - plocha_.left()) / bunka_));
        const int y = std::min(radku_ - 1, int((bod.y() - plocha_.top()) / bunka_));
        return !bunky_[std::size_t(y) * std::size_t(sloupcu_) + std::size_t(x)];
    }
    // Takes `r` when it is inside the surface and free; false otherwise.
    bool Zaber(const QRectF& r) {
        if (!plocha_.contains(r))
            return false;
        const int x0 = int((r.left() - plocha_.left()) / bunka_);
        const int x1 = std::min(sloupcu_ - 1, int((r.right() - plocha_.left()) / bunka_));
        const int y0 = int((r.top() - plocha_.top()) / bunka_);
        const int y1 = std::min(radku_ - 1, int((r.bottom() - plocha_.top()) / bunka_));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (bunky_[std::size_t(y) * std::size_t(sloupcu_) + std::size_t(x)])
                    return false;
        for (int y = y0; y <= y1; ++y)
            std::fill_n(bunky_.begin() + std::ptrdiff_t(y) * sloupcu_ + x0, x1 - x0 + 1, 1);
        return true;
    }

private:
    QRectF plocha_;
    double bunka_;
    int sloupcu_, radku_;
    std::vector<std::uint8_t> bunky_;
};

QPolygonF Trojuhelnik(QPointF stred, double strana) {
    const double v = strana * 0.866;
    return QPolygonF({stred + QPointF(0, -v * 2 / 3), stred + QPointF(strana / 2, v / 3),
                      stred + QPointF(-strana / 2, v / 3)});
}

} // namespace

int KresliPlan(QPainter& malir, const TPlan& plan, const TPohledPlanu& pohled, const QRectF& plocha,
               const TStylPlanu& styl) {
    const double j = styl.Jednotka;
    malir.save();
    malir.setClipRect(plocha);
    malir.setRenderHint(QPainter::Antialiasing, false);

    // Positions once: every part below needs them.
    std::vector<QPointF> misto(plan.Body.size());
    std::vector<std::uint8_t> viditelny(plan.Body.size());
    const QRectF sOkrajem = plocha.adjusted(-4 * j, -4 * j, 4 * j, 4 * j);
    for (std::size_t i = 0; i < plan.Body.size(); ++i) {
        misto[i] = pohled.NaPlochu(plan.Body[i].Y, plan.Body[i].X, plocha);
        viditelny[i] = sOkrajem.contains(misto[i]);
    }
    auto platny = [&](int i) {
        return i >= 0 && std::size_t(i) < misto.size();
    };

    // Lines: both ends on one side outside the surface cannot cross it.
    std::vector<QLineF> cary, orientacni;
    cary.reserve(plan.Cary.size());
    for (const TCaraPlanu& c : plan.Cary) {
        if (!platny(c.Od) || !platny(c.Do))
            continue;
        const QPointF a = misto[std::size_t(c.Od)], b = misto[std::size_t(c.Do)];
        if ((a.x() < plocha.left() && b.x() < plocha.left()) ||
            (a.x() > plocha.right() && b.x() > plocha.right()) ||
            (a.y() < plocha.top() && b.y() < plocha.top()) ||
            (a.y() > plocha.bottom() && b.y() > plocha.bottom()))
            continue;
        (c.Orientacni ? orientacni : cary).emplace_back(a, b);
    }
    malir.setPen(QPen(kCara, j));
    malir.drawLines(cary.data(), int(cary.size()));
    QPen carkovane(kOrientace, 1.6 * j, Qt::DashLine);
    malir.setPen(carkovane);
    malir.setRenderHint(QPainter::Antialiasing, true);
    malir.drawLines(orientacni.data(), int(orientacni.size()));
    malir.setRenderHint(QPainter::Antialiasing, false);

    // Points as small squares, filled in one call.
    std::vector<QRectF> tecky;
    tecky.reserve(plan.Body.size());
    const double t = 3 * j;
    for (std::size_t i = 0; i < plan.Body.size(); ++i)
        if (viditelny[i] && !plan.Body[i].Stanice)
            tecky.emplace_back(misto[i].x() - t / 2, misto[i].y() - t / 2, t, t);
    malir.setPen(Qt::NoPen);
    malir.setBrush(kBod);
    malir.drawRects(tecky.data(), int(tecky.size()));

    malir.setRenderHint(QPainter::Antialiasing, true);
    malir.setPen(QPen(kStanice.darker(150), j));
    malir.setBrush(kStanice);
    for (std::size_t i = 0; i < plan.Body.size(); ++i)
        if (viditelny[i] && plan.Body[i].Stanice)
            malir.drawPolygon(Trojuhelnik(misto[i], 10 * j));

    if (platny(styl.Vybrany)) {
        malir.setPen(QPen(kVyber.darker(130), 2 * j));
        malir.setBrush(Qt::NoBrush);
        malir.drawEllipse(misto[std::size_t(styl.Vybrany)], 7 * j, 7 * j);
    }

    // Numbers right of their points, where they do not cover one another. A number's width
    // is the sum of its characters' advances, each measured once: shaping every one of
    // thousands of numbers would cost more than all the rest of the plan.
    malir.setFont(styl.Pismo);
    const QFontMetricsF metriky(styl.Pismo, malir.device());
    std::array<double, 128> sirkaZnaku;
    sirkaZnaku.fill(-1);
    auto sirka = [&](const QString& text) {
        double w = 0;
        for (QChar z : text) {
            if (z.unicode() >= sirkaZnaku.size()) {
                w += metriky.horizontalAdvance(z);
                continue;
            }
            double& s = sirkaZnaku[z.unicode()];
            if (s < 0)
                s = metriky.horizontalAdvance(z);
            w += s;
        }
        return w;
    };
    TObsazeni obsazeni(plocha, 3 * j);
    int popisu = 0;
    auto popis = [&](std::size_t i, const QColor& barva) {
        const TBodPlanu& b = plan.Body[i];
        if (!viditelny[i] || b.Cislo.isEmpty())
            return;
        const double odsazeni = (b.Stanice ? 7 : 4) * j;
        const double nahore = misto[i].y() - metriky.ascent() + 2 * j;
        // Right of the point, or left of it where the right is taken or off the surface.
        const double w = sirka(b.Cislo);
        QRectF r(QPointF(misto[i].x() + odsazeni, nahore), QSizeF(w, metriky.height()));
        if (!obsazeni.Volno(r.topLeft()) || !obsazeni.Zaber(r)) {
            r.moveLeft(misto[i].x() - odsazeni - w);
            if (!obsazeni.Volno(r.topRight()) || !obsazeni.Zaber(r))
                return;
        }
        malir.setPen(barva);
        malir.drawText(QPointF(r.left(), r.top() + metriky.ascent()), b.Cislo);
        ++popisu;
    };
    if (platny(styl.Vybrany))
        popis(std::size_t(styl.Vybrany), Qt::black);
    const std::size_t vybrany = platny(styl.Vybrany) ? std::size_t(styl.Vybrany) : misto.size();
    for (std::size_t i = 0; i < plan.Body.size(); ++i)
        if (plan.Body[i].Stanice && i != vybrany)
            popis(i, kStanice.darker(160));
    for (std::size_t i = 0; i < plan.Body.size(); ++i)
        if (!plan.Body[i].Stanice && i != vybrany)
            popis(i, QColor(40, 40, 40));
    malir.restore();
    return popisu;
}

double DelkaMeritka(double meritko, double nejvyse) {
    if (!(meritko > 0) || !(nejvyse > 0))
        return 0;
    const double metru = nejvyse / meritko;
    const double rad = std::pow(10.0, std::floor(std::log10(metru)));
    for (double nasobek : {5.0, 2.0, 1.0})
        if (nasobek * rad <= metru * (1 + 1e-9))
            return nasobek * rad;
    return rad;
}

QString TextDelky(double metru) {
    const QLocale cesky(QLocale::Czech, QLocale::CzechRepublic);
    if (metru >= 1000)
        return cesky.toString(metru / 1000, 'g', 6) + " km";
    return cesky.toString(metru, 'g', 6) + " m";
}

void KresliMeritko(QPainter& malir, const TPohledPlanu& pohled, const QRectF& plocha,
                   double nejvyse, const TStylPlanu& styl) {
    const double delka = DelkaMeritka(pohled.Meritko, nejvyse);
    if (delka <= 0)
        return;
    const double j = styl.Jednotka;
    const double sirka = delka * pohled.Meritko;
    const QPointF levy(plocha.left() + 12 * j, plocha.bottom() - 12 * j);
    malir.save();
    malir.setRenderHint(QPainter::Antialiasing, false);
    // Two halves in black and white, as on a map.
    const double v = 5 * j;
    malir.setPen(QPen(Qt::black, j));
    malir.setBrush(Qt::black);
    malir.drawRect(QRectF(levy.x(), levy.y() - v, sirka / 2, v));
    malir.setBrush(Qt::white);
    malir.drawRect(QRectF(levy.x() + sirka / 2, levy.y() - v, sirka / 2, v));
    malir.setFont(styl.Pismo);
    malir.drawText(QPointF(levy.x() + sirka + 5 * j, levy.y()), TextDelky(delka));
    malir.restore();
}
