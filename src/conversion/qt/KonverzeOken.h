// The conversion as the windows run it: message boxes, the parameters dialog in its
// conversion form, and the command that picks a file and shows the result window.
#pragma once

#include "conversion/KonverzeRozhrani.h"
#include "ui/ZpravyOken.h"

#include <QStringList>

class QWidget;

class TKonverzeOken : public TKonverzeRozhrani {
public:
    explicit TKonverzeOken(QWidget* rodic) : rodic_(rodic), zpravy_(rodic) {}
    TZpravy& Zpravy() override { return zpravy_; }
    std::optional<TVolbyKonverze> Parametry(TTypStanice typStanice, bool mereni) override;

private:
    QWidget* rodic_;
    TZpravyOken zpravy_;
};

// The file dialogs' filters for measured-data files: the conversion's and the download's.
QStringList FiltryMereni();

// "Konverze souboru": asks for a measured-data file, converts it and shows the output when
// the conversion says so.
void KonverzeSouboruOken(QWidget* rodic, TTypStanice typStanice);
