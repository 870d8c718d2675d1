#include "conversion/qt/VysledekKonverze.h"

#include "common/Cp1250.h"
#include "common/ObsahSouboru.h"
#include "conversion/ProtokolKonverze.h"
#include "conversion/TextyKonverze.h"
#include "conversion/qt/KonverzeOken.h"
#include "ui/Texty.h"
#include "ui/ZpravyOken.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <system_error>

TFormVysledekKonverze::TFormVysledekKonverze(QWidget* rodic, const std::filesystem::path& soubor)
    : QDialog(rodic), soubor_(soubor), protokol_(ProtokolVystupu(soubor)) {
    setObjectName("FormVysledekKonverze");
    setWindowTitle("Výstupní soubor konverze " + QString::fromStdString(soubor.string()));
    setModal(true);
    resize(640, 480);

    M_Vysledek = new QPlainTextEdit(this);
    M_Vysledek->setObjectName("M_Vysledek");
    M_Vysledek->setReadOnly(true);
    M_Vysledek->setLineWrapMode(QPlainTextEdit::NoWrap);
    M_Vysledek->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont pismo = M_Vysledek->font();
    pismo.setBold(true);
    M_Vysledek->setFont(pismo);
    // The selection stays visible when the field has no focus.
    QPalette paleta = M_Vysledek->palette();
    paleta.setColor(QPalette::Inactive, QPalette::Highlight,
                    paleta.color(QPalette::Active, QPalette::Highlight));
    paleta.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    paleta.color(QPalette::Active, QPalette::HighlightedText));
    M_Vysledek->setPalette(paleta);

    // No output (nothing was written) is an empty window; an output that is there but cannot
    // be read is reported as every reader of the program does.
    std::error_code ec;
    if (std::filesystem::exists(soubor, ec)) {
        std::string obsah;
        TZpravyOken zpravy(rodic);
        if (OhlasChybu(NactiObsahSouboru(soubor, obsah), zpravy))
            M_Vysledek->setPlainText(ZCp1250(obsah));
    }

    auto* zavri = new QPushButton("&Zavři", this);
    zavri->setObjectName("Tl_Zavri");
    zavri->setDefault(true);
    connect(zavri, &QPushButton::clicked, this, &QDialog::accept);

    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(M_Vysledek, 3);
    auto* dole = new QHBoxLayout;
    dole->addStretch();
    if (!protokol_.empty()) {
        resize(640, 640);
        M_Protokol = new QPlainTextEdit(ZCp1250(protokol_), this);
        M_Protokol->setObjectName("M_Protokol");
        M_Protokol->setReadOnly(true);
        M_Protokol->setLineWrapMode(QPlainTextEdit::NoWrap);
        rozvrzeni->addWidget(new QLabel("Protokol konverze:", this));
        rozvrzeni->addWidget(M_Protokol, 2);
        auto* uloz = new QPushButton("Uložit &protokol", this);
        uloz->setObjectName("Tl_UlozProtokol");
        uloz->setToolTip(" Uložení protokolu konverze vedle výstupního souboru");
        connect(uloz, &QPushButton::clicked, this, [this] { Tl_UlozProtokolClick(); });
        dole->addWidget(uloz);
    }
    dole->addWidget(zavri);
    dole->addStretch();
    rozvrzeni->addLayout(dole);
}

// The protocol beside the output ("a.zap" gives "a-protokol.txt"), after the overwrite
// question when that file exists.
void TFormVysledekKonverze::Tl_UlozProtokolClick() {
    const std::filesystem::path cil = JmenoProtokolu(soubor_);
    TZpravyOken zpravy(this);
    std::error_code ec;
    if (std::filesystem::exists(cil, ec) &&
        !zpravy.OtazkaAnoNe(TitulekZpravy(TDruhZpravy::dzVarovani), TextPrepsatSoubor(cil)))
        return;
    if (OhlasChybu(ZapisObsahSouboru(cil, protokol_), zpravy))
        zpravy.Zprava(TDruhZpravy::dzInformace,
                      Cz("Protokol konverze je uložen v souboru \"") + TextCesty(cil) + "\".");
}
