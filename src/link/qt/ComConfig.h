// The communication settings dialog: port, baud rate, parity, stop bits, data bits and the
// station type, worked directly on the station link driver. It writes no settings file: the
// driver's settings reach it when the program closes.
#pragma once

#include "serial/SpPortStates.h"
#include "serial/qt/SpPortControls.h"

#include <QAbstractSpinBox>
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class TComDriver;
class TSkupinaVoleb;
class TSpPortRadioGroup;

// A one-character number field whose arrows step between two limits. The text itself is free:
// whatever the user types stays there, and the reader decides what it stands for.
class TPoleKroku : public QAbstractSpinBox {
    Q_OBJECT
public:
    TPoleKroku(int minimum, int maximum, QWidget* rodic = nullptr);
    QString Text() const;
    void NastavText(const QString& text);
    void stepBy(int kroky) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int minimum_;
    int maximum_;
};

class TFormComConfig : public QDialog {
    Q_OBJECT
public:
    // Closes the driver's port (so that the port list can probe it like any other), binds the
    // port list to it and fills the controls from the driver. `probe` tells the port list
    // each port's state and `describer` its device (the screenshots show a machine of their
    // own).
    TFormComConfig(
        QWidget* parent, TComDriver& driver,
        TSpPortProbe probe = [](int n) { return SpProbePort(n); },
        TSpPortDescriber describer = [](int count) { return SpPopisyPortu(count); });
    ~TFormComConfig() override;

    // What "&Ulož" stands for, in this order: the port number the list chose, parity, stop
    // bits, data bits, baud rate, station type (a control that stands for no value changes
    // nothing), then the port is opened with them and closed again when no command runs.
    // Raises when the port cannot be opened; what was applied before stays applied.
    void PouzijNastaveni();

protected:
    void done(int vysledek) override;

private:
    TComDriver& driver_;
    uint16_t puvodniPort_ = 0;

    TSpPortRadioGroup* G_Port;
    TSkupinaVoleb* G_Rychlost;
    TSkupinaVoleb* G_Parita;
    TSkupinaVoleb* G_StopBity;
    QLabel* L_DatoveBity;
    TPoleKroku* E_DatoveBity;
    QLabel* L_TypStanice;
    QComboBox* CB_TypStanice;
    QPushButton* Tl_Uloz;
    QPushButton* Tl_Zpet;
};

// The command "Parametry komunikace s totální stanicí...": the dialog over `hlavniOkno`
// (wait cursor there while it runs), the settings applied on "&Ulož", and the message box
// when the chosen port cannot be opened.
void ParametryKomunikaceOken(QWidget* hlavniOkno, TComDriver& driver);
