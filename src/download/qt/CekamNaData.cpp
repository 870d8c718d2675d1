#include "download/qt/CekamNaData.h"

#include "download/qt/AnimaceKopirovani.h"
#include "ui/Texty.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {
constexpr QSize kKlientskaPlocha(305, 152);
}

TFormCekamNaData::TFormCekamNaData(QWidget* rodic)
    : QDialog(rodic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint) {
    setObjectName("FormCekamNaData");
    setWindowTitle("Čekám na data");
    setFixedSize(kKlientskaPlocha);

    L_Popis = new QLabel("Čekám na data z totální stanice", this);
    L_Popis->setObjectName("L_Popis");
    QFont tucne = L_Popis->font();
    tucne.setBold(true);
    L_Popis->setFont(tucne);
    L_Popis->setAlignment(Qt::AlignCenter);
    L_Popis->setGeometry(8, 10, width() - 16, 20);

    Animace = new TAnimaceKopirovani(this);
    Animace->setGeometry(QRect(QPoint((width() - 272) / 2, 36), Animace->sizeHint()));

    Tl_Prerusit = new QPushButton("&Přerušit", this);
    Tl_Prerusit->setObjectName("Tl_Prerusit");
    Tl_Prerusit->setToolTip("Přerušení načítání dat z totální stanice");
    Tl_Prerusit->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    Tl_Prerusit->setGeometry(QRect(QPoint((width() - 90) / 2, 110), QSize(90, 28)));
    Tl_Prerusit->setDefault(true);
    connect(Tl_Prerusit, &QPushButton::clicked, this, [this] {
        zavira_ = true;
        done(VysledekPreruseni);
    });
}

bool TFormCekamNaData::UkazModalne() {
    zavira_ = false;
    return exec() == VysledekPreruseni;
}

void TFormCekamNaData::NastavText(const std::string& text) {
    L_Popis->setText(ZCp1250(text));
}

void TFormCekamNaData::NastavTlacitko(const std::string& titulek, const std::string& napoveda) {
    Tl_Prerusit->setText(ZCp1250(titulek));
    Tl_Prerusit->setToolTip(ZCp1250(napoveda));
    // A longer caption widens the button, which stays centred.
    const int sirka = std::max(90, Tl_Prerusit->sizeHint().width());
    Tl_Prerusit->setGeometry(QRect(QPoint((width() - sirka) / 2, 110), QSize(sirka, 28)));
}

void TFormCekamNaData::Zavri() {
    zavira_ = true;
    hide();
    done(QDialog::Rejected);
}

void TFormCekamNaData::closeEvent(QCloseEvent* udalost) {
    // Alt+F4 and the window manager's close reach here; only the link's Zavri may close.
    if (zavira_)
        udalost->accept();
    else
        udalost->ignore();
}
