#include "serial/qt/SpPortControls.h"

#include "serial/SpComPort.h"
#include "ui/Texty.h"

#include <QEvent>
#include <QPalette>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

TSpPortRadioGroup::TSpPortRadioGroup(QWidget* owner, int16_t maxComPorts, TSpPortCtlOptions options,
                                     TSpPortProbe probe, TSpPortDescriber describer)
    : TSkupinaVoleb(QString(), owner), probe_(std::move(probe)), describer_(std::move(describer)),
      hledani_(new QTimer(this)), maxComPorts_(maxComPorts), options_(options) {
    hledani_->setInterval(1000);
    connect(hledani_, &QTimer::timeout, this, &TSpPortRadioGroup::Prohledej);
    UpdateItems(false, false);
    SetItemIndex(comNumber_ - 1);
}

void TSpPortRadioGroup::SetComPort(TSpComPort* port) {
    if (port == comPort_)
        return;
    comPort_ = port;
    if (comPort_)
        SetComNumber(comPort_->ComNumber());
}

void TSpPortRadioGroup::SetComNumber(uint16_t number) {
    if (number == comNumber_)
        return;
    comNumber_ = number;
    SetItemIndex(comNumber_ - 1);
}

void TSpPortRadioGroup::SetMaxComPorts(int16_t count) {
    if (count == maxComPorts_)
        return;
    maxComPorts_ = count;
    UpdateItems(false, false);
}

void TSpPortRadioGroup::SetOptions(TSpPortCtlOptions options) {
    if (options == options_)
        return;
    options_ = options;
    UpdateItems(false, false);
}

TSpPortState TSpPortRadioGroup::ItemState(int index) const {
    return index >= 0 && index < static_cast<int>(states_.size())
               ? states_[static_cast<size_t>(index)]
               : TSpPortState::psInUse;
}

void TSpPortRadioGroup::FillItems(bool force) {
    const int count = std::max<int>(maxComPorts_, 0);
    popisy_ = Popisy(count);
    if (!force && Pocet() == count)
        return;
    QStringList captions;
    for (int n = 1; n <= count; ++n)
        captions << ZCp1250(SpPortCaption(n));
    states_ = SpProbePorts(count, probe_);
    NastavPolozky(captions);
    // New buttons know nothing of the selection; the selected port keeps its item.
    SetItemIndex(comNumber_ - 1);
}

void TSpPortRadioGroup::UpdateItems(bool force, bool recheck) {
    FillItems(force);
    const QPalette normal = palette();
    QPalette grey = normal;
    const QColor greyText = normal.color(QPalette::Disabled, QPalette::WindowText);
    grey.setColor(QPalette::Active, QPalette::WindowText, greyText);
    grey.setColor(QPalette::Inactive, QPalette::WindowText, greyText);
    grey.setColor(QPalette::Active, QPalette::ButtonText, greyText);
    grey.setColor(QPalette::Inactive, QPalette::ButtonText, greyText);
    for (int i = 0; i < Pocet(); ++i) {
        auto& state = states_[static_cast<size_t>(i)];
        if (recheck)
            state = probe_(i + 1);
        const TSpPortItemLook look = SpPortItemLook(state, options_);
        QRadioButton* button = Tlacitko(i);
        button->setEnabled(look.Enabled);
        button->setPalette(look.Grey ? grey : normal);
        const TSpPopisPortu& popis = popisy_[static_cast<size_t>(i)];
        // The device and the adapter's name are no accelerators.
        const QString popisek = ZCp1250(SpPopisekPortu(popis, state));
        button->setText(ZCp1250(SpPortCaption(i + 1)) + "   " +
                        QString(popisek).replace("&", "&&"));
        // A long adapter name ends in "…" in the list: the hint holds it whole.
        button->setToolTip(popisek + "\n" + ZCp1250(SpPortHint(popis)));
    }
}

void TSpPortRadioGroup::Click(int index) {
    TSkupinaVoleb::Click(index);
    comNumber_ = static_cast<uint16_t>(index + 1);
    if (!comPort_)
        return;
    try {
        if (comPort_->Active())
            comPort_->SetActive(false);
        comPort_->SetComNumber(comNumber_);
    } catch (...) {
        UpdateItems(false, true);
        throw;
    }
    UpdateItems(false, true);
}

std::vector<TSpPopisPortu> TSpPortRadioGroup::Popisy(int count) const {
    std::vector<TSpPopisPortu> popisy;
    try {
        popisy = describer_(count);
    } catch (...) {
        // An unreadable settings file: the numbers without devices rather than no list (and
        // never an exception out of the timer).
    }
    popisy.resize(static_cast<size_t>(count));
    return popisy;
}

void TSpPortRadioGroup::Prohledej() {
    // Every port probed, not only the mapping compared: a device that appears at a path
    // already mapped, or a port another program takes or leaves, changes no mapping.
    UpdateItems(false, true);
}

void TSpPortRadioGroup::showEvent(QShowEvent* event) {
    TSkupinaVoleb::showEvent(event);
    hledani_->start();
}

void TSpPortRadioGroup::hideEvent(QHideEvent* event) {
    TSkupinaVoleb::hideEvent(event);
    hledani_->stop();
}

void TSpPortRadioGroup::changeEvent(QEvent* event) {
    TSkupinaVoleb::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateItems(true, false);
}
