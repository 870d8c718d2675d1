// A captioned group of radio buttons built from a list of item texts, with one item index and
// a click notification: the radio group the settings windows are made of. Items are laid out
// top to bottom, column after column.
#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

#include <QRadioButton>

class QButtonGroup;
class QGridLayout;

// An item of the group. A text longer than the group is wide ends in "…" rather than being
// cut at the group's edge in mid-word; the item's text stays whole.
class TVolbaSkupiny : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
    // The text as drawn in the width the item has now.
    QString ZobrazenyText() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* udalost) override;
};

class TSkupinaVoleb : public QGroupBox {
    Q_OBJECT
public:
    explicit TSkupinaVoleb(const QString& titulek, QWidget* rodic = nullptr);

    // Replaces the items; the item index stays where it was when that item still exists,
    // otherwise it goes to the last item (none when there are no items).
    void NastavPolozky(const QStringList& texty);
    int Pocet() const { return static_cast<int>(tlacitka_.size()); }
    QRadioButton* Tlacitko(int index) const;

    // -1 = no item selected. Values below -1 give -1, values past the last item the last item.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    int Sloupce() const { return sloupce_; }
    void NastavSloupce(int sloupce);

    // What a click on an item does: the item becomes the selected one, then Kliknuti is
    // emitted. Derived groups add their own behaviour after it; an exception they raise ends
    // in the program's error box (a click has no caller of its own to report to).
    virtual void Click(int index);

signals:
    void Kliknuti(int index);

protected:
    bool event(QEvent* udalost) override;

private:
    void Rozmisti();
    void ZobrazIndex();
    void NastavZastavkuTabulatoru();

    QGridLayout* mrizka_;
    QButtonGroup* skupina_;
    std::vector<QRadioButton*> tlacitka_;
    int itemIndex_ = -1;
    int sloupce_ = 1;
};
