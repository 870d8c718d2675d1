// The MAPA2 parameters dialog: mean values and the reductions they give, the header and
// conversion settings. Opened on its own from the main window and, in its conversion form,
// by every conversion of measured data; the caller reads Volby() after it has closed with
// Accepted. Only "&Ulož" (or "OK") writes the settings, and only values inside the S-JTSK
// extent; "&Zpět", Escape and the close button leave them as they were (and cancel a
// conversion).
#pragma once

#include "conversion/KonverzeRozhrani.h"
#include "conversion/NastaveniMAPA2.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

class TFormParamMAPA2 : public QDialog {
    Q_OBJECT
public:
    // `typStanice` decides what is enabled when shown.
    TFormParamMAPA2(QWidget* rodic, TTypStanice typStanice);

    // The form of a running conversion: one "OK" button; Escape and the close button cancel
    // the conversion. A factor outside the range the extent gives is asked about.
    void NastavFormuKonverze();

    // After closing: the choices of the controls and the factor read from its field.
    TVolbyKonverze Volby() const;
    long double MeritkovyFaktor() const { return meritkovyFaktor_; }

    void done(int vysledek) override;

protected:
    void showEvent(QShowEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    // The three tabs, each built with its controls from the settings read.
    QWidget* ZalozkaRedukce(const TNastaveniMAPA2& n);
    QWidget* ZalozkaHlavicky(const TNastaveniMAPA2& n);
    QWidget* ZalozkaKonverze(const TNastaveniMAPA2& n);
    void Tlacitka();

    void PrepocetRedukci();
    TNastaveniMAPA2 NastaveniZOvladacu() const;
    // Whether the values may be saved: the mean values inside their ranges and, in the
    // conversion form, a factor inside its range or one the user confirms. Otherwise the
    // message has been shown and the focus put on the field to mend.
    bool LzeUlozit();
    void VarujPrazdnyZnak();
    // "&Ulož" and "&Zpět" (or "OK"): the warning held back from the press, then the close.
    void ZavriTlacitkem(int vysledek);

    TTypStanice typStanice_;
    char oddelovac_;
    TNastaveniMAPA2 nacteno_; // as read: an empty mark keeps the stored one
    bool formaKonverze_ = false;
    long double meritkovyFaktor_ = 1;
    bool zavreno_ = false;
    bool varovatPriZavreni_ = false; // the empty mark was left by a press on a closing button

    QTabWidget* zalozky_;
    QLineEdit* E_X;
    QLineEdit* E_Y;
    QLineEdit* E_Vyska;
    QLineEdit* E_RedukceJTSK;
    QLineEdit* E_RedukceHorizont;
    QLineEdit* E_Redukce;
    QLineEdit* E_MeritkovyFaktor;
    QLineEdit* E_Hlavicka;
    QLineEdit* E_OznaceniOrientBodu;
    QCheckBox* CB_VlozitHlavickuUzivatel;
    QCheckBox* CB_VlozitHlavickuZDat;
    QCheckBox* CB_NestandardniJednotky;
    QCheckBox* CB_NestandardniVysky;
    QCheckBox* CB_ProhozeniSouradnic;
    QCheckBox* CB_ZobrazVyslednySoubor;
    QPushButton* Tl_Uloz;
    QPushButton* Tl_Zpet;
};
