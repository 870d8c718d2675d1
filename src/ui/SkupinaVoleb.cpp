#include "ui/SkupinaVoleb.h"

#include "ui/Texty.h"
#include "ui/ZpravyOken.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>
#include <exception>

TSkupinaVoleb::TSkupinaVoleb(const QString& titulek, QWidget* rodic)
    : QGroupBox(titulek, rodic), mrizka_(new QGridLayout(this)), skupina_(new QButtonGroup(this)) {
    mrizka_->setContentsMargins(8, 4, 8, 4);
    mrizka_->setVerticalSpacing(0);
    connect(skupina_, &QButtonGroup::idClicked, this, [this](int index) {
        try {
            Click(index);
        } catch (const std::exception& chyba) {
            UkazZpravu(this, ZpravaDruhu(TDruhZpravy::Chyba, ZCp1250(chyba.what())));
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
        auto* tlacitko = new QRadioButton(texty[i], this);
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
}
