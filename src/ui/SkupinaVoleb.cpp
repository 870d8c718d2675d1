#include "ui/SkupinaVoleb.h"

#include "ui/Texty.h"
#include "ui/ZpravyOken.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <exception>

QString TVolbaSkupiny::ZobrazenyText() const {
    QStyleOptionButton volba;
    initStyleOption(&volba);
    const QRect misto = style()->subElementRect(QStyle::SE_RadioButtonContents, &volba, this);
    return fontMetrics().elidedText(text(), Qt::ElideRight, misto.width(), Qt::TextShowMnemonic);
}

QSize TVolbaSkupiny::minimumSizeHint() const {
    // The indicator and a few letters: a long text gives way to the group's width.
    QSize velikost = QRadioButton::minimumSizeHint();
    velikost.setWidth(
        std::min(velikost.width(), iconSize().width() + 4 * fontMetrics().averageCharWidth() + 24));
    return velikost;
}

void TVolbaSkupiny::paintEvent(QPaintEvent*) {
    QStylePainter malir(this);
    QStyleOptionButton volba;
    initStyleOption(&volba);
    volba.text = ZobrazenyText();
    malir.drawControl(QStyle::CE_RadioButton, volba);
}

TSkupinaVoleb::TSkupinaVoleb(const QString& titulek, QWidget* rodic)
    : QGroupBox(titulek, rodic), mrizka_(new QGridLayout(this)), skupina_(new QButtonGroup(this)) {
    mrizka_->setContentsMargins(8, 4, 8, 4);
    mrizka_->setVerticalSpacing(0);
    connect(skupina_, &QButtonGroup::idClicked, this, [this](int index) {
        try {
            Click(index);
        } catch (const std::exception& chyba) {
            UkazZpravu(this, ZpravaDruhu(TDruhZpravy::dzChyba, ZCp1250(chyba.what())));
        }
    });
}

void TSkupinaVoleb::NastavPolozky(const QStringList& texty) {
    for (QRadioButton* tlacitko : tlacitka_) {
        skupina_->removeButton(tlacitko);
        delete tlacitko;
    }
    tlacitka_.clear();
    for (int i = 0; i < texty.size(); ++i) {
        auto* tlacitko = new TVolbaSkupiny(texty[i], this);
        skupina_->addButton(tlacitko, i);
        tlacitka_.push_back(tlacitko);
    }
    Rozmisti();
    itemIndex_ = std::min(itemIndex_, Pocet() - 1);
    ZobrazIndex();
}

QRadioButton* TSkupinaVoleb::Tlacitko(int index) const {
    return index >= 0 && index < Pocet() ? tlacitka_[static_cast<size_t>(index)] : nullptr;
}

void TSkupinaVoleb::SetItemIndex(int index) {
    itemIndex_ = std::clamp(index, -1, Pocet() - 1);
    ZobrazIndex();
}

void TSkupinaVoleb::NastavSloupce(int sloupce) {
    sloupce_ = std::max(sloupce, 1);
    Rozmisti();
}

void TSkupinaVoleb::Click(int index) {
    SetItemIndex(index);
    emit Kliknuti(itemIndex_);
}

void TSkupinaVoleb::Rozmisti() {
    for (QRadioButton* tlacitko : tlacitka_)
        mrizka_->removeWidget(tlacitko);
    const int naSloupec = (Pocet() + sloupce_ - 1) / sloupce_;
    for (int i = 0; i < Pocet(); ++i)
        mrizka_->addWidget(tlacitka_[static_cast<size_t>(i)], i % naSloupec, i / naSloupec);
}

void TSkupinaVoleb::ZobrazIndex() {
    // An exclusive group never lets the last checked button go; "none selected" needs a pause.
    skupina_->setExclusive(false);
    for (int i = 0; i < Pocet(); ++i)
        tlacitka_[static_cast<size_t>(i)]->setChecked(i == itemIndex_);
    skupina_->setExclusive(true);
    NastavZastavkuTabulatoru();
}

void TSkupinaVoleb::NastavZastavkuTabulatoru() {
    // As a radio group on Windows: the group is one stop for Tab and its accelerator, on the
    // checked item (the first when none is), and the arrow keys move from there, selecting as
    // they go (a button moves the check along only when it holds it itself).
    const int zastavka = std::max(itemIndex_, 0);
    for (int i = 0; i < Pocet(); ++i)
        tlacitka_[static_cast<size_t>(i)]->setFocusPolicy(i == zastavka ? Qt::StrongFocus
                                                                        : Qt::ClickFocus);
}

bool TSkupinaVoleb::event(QEvent* udalost) {
    // The caption's accelerator (the group's only shortcut) goes to the checked item too; Qt
    // would go to whichever item last had the focus.
    if (udalost->type() == QEvent::Shortcut && !isCheckable()) {
        if (QRadioButton* tlacitko = Tlacitko(std::max(itemIndex_, 0)))
            tlacitko->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QGroupBox::event(udalost);
}
