// The conversion as the windows run it: message boxes, the parameters dialog in its
// conversion form, and the command that picks a file and shows the result window.
#pragma once

#include "conversion/KonverzeRozhrani.h"
#include "ui/ZpravyOken.h"

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

class TKonverzeOken : public TKonverzeRozhrani {
public:
    explicit TKonverzeOken(QWidget* rodic) : rodic_(rodic), zpravy_(rodic) {}
    TZpravy& Zpravy() override { return zpravy_; }
    TVolbyKonverze Parametry(TTypStanice typStanice, bool mereni) override;

private:
    QWidget* rodic_;
    TZpravyOken zpravy_;
};

// How the command's file dialog is answered: the chosen file, or empty when cancelled. By
// default the dialog is shown modally; the tests answer it themselves. Returns the previous.
using TVolbaSouboru = std::function<QString(QFileDialog& dialog)>;
TVolbaSouboru NastavVolbuSouboru(TVolbaSouboru volba);

// "Konverze souboru": asks for a measured-data file, converts it and shows the output when
// the conversion says so.
void KonverzeSouboruOken(QWidget* rodic, TTypStanice typStanice);
