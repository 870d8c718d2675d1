#include "app/OProgramu.h"

#include "app/Obrazky.h"
#include "common/VerzeSouboru.h"
#include "ui/Texty.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

QString KratkeDatum(double datum, const QLocale& mistni) {
    const QDate den = QDate(1899, 12, 30).addDays(qint64(std::floor(datum)));
    // Qt's short formats give a two-digit year ("08.12.26"); a Windows short date, which
    // the box shows, has four digits.
    QString format = mistni.dateFormat(QLocale::ShortFormat);
    if (!format.contains("yyyy"))
        format.replace("yy", "yyyy");
    return mistni.toString(den, format);
}

namespace {
QLabel* TucnyRadek(QWidget* rodic, const char* jmeno, const QString& text) {
    auto* radek = new QLabel(text, rodic);
    radek->setObjectName(jmeno);
    radek->setAlignment(Qt::AlignCenter);
    QFont pismo = radek->font();
    pismo.setBold(true);
    radek->setFont(pismo);
    return radek;
}
} // namespace

TFormOProgramu::TFormOProgramu(QWidget* rodic, const std::filesystem::path& souborProgramu)
    : QDialog(rodic) {
    setObjectName("FormOProgramu");
    setWindowTitle("O programu");
    setFixedSize(250, 180);

    auto* ikona = new QLabel(this);
    ikona->setPixmap(IkonaProgramu().pixmap(48, 48));
    ikona->setAlignment(Qt::AlignCenter);

    QString datum;
    try {
        datum = KratkeDatum(DatumSouboru(souborProgramu), QLocale());
    } catch (const std::exception&) {
    }
    L_Verze =
        TucnyRadek(this, "L_Verze", "Verze programu " + ZCp1250(VerzeSouboru(souborProgramu)));
    L_Datum = TucnyRadek(this, "L_Datum", datum);

    Tl_OK = new QPushButton("&OK", this);
    Tl_OK->setObjectName("Tl_OK");
    Tl_OK->setDefault(true);
    connect(Tl_OK, &QPushButton::clicked, this, &QDialog::accept);

    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(ikona);
    rozvrzeni->addWidget(L_Verze);
    rozvrzeni->addWidget(L_Datum);
    rozvrzeni->addStretch();
    rozvrzeni->addWidget(Tl_OK, 0, Qt::AlignHCenter);
}
