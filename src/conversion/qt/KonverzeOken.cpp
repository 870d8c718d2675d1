#include "conversion/qt/KonverzeOken.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/KonverzeSouboru.h"
#include "conversion/VypocetRedukci.h"
#include "conversion/qt/ParamMAPA2.h"
#include "conversion/qt/VysledekKonverze.h"
#include "ui/DialogSouboru.h"

#include <QFileDialog>

namespace {
QString VolbaDialogem(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

TVolbaSouboru& Volba() {
    static TVolbaSouboru volba = VolbaDialogem;
    return volba;
}
} // namespace

TVolbyKonverze TKonverzeOken::Parametry(TTypStanice typStanice, bool mereni) {
    if (!mereni) {
        try {
            return VolbyZNastaveni(NactiNastaveniMAPA2(TIniFile(CestaNastaveni())));
        } catch (const EIniFileError&) {
            return VolbyZNastaveni(TNastaveniMAPA2{});
        }
    }
    TFormParamMAPA2 dialog(rodic_, typStanice);
    dialog.NastavFormuKonverze();
    dialog.exec();
    return dialog.Volby();
}

TVolbaSouboru NastavVolbuSouboru(TVolbaSouboru volba) {
    TVolbaSouboru predchozi = std::move(Volba());
    Volba() = volba ? std::move(volba) : TVolbaSouboru(VolbaDialogem);
    return predchozi;
}

void KonverzeSouboruOken(QWidget* rodic, TTypStanice typStanice) {
    QFileDialog dialog(rodic);
    PripravDialogSouboru(dialog, TDruhDialogu::Otevreni, "OD_Konverze", "sdt",
                         {"Soubor meřených dat (*.sdt)", "Všechny soubory (*.*)"});
    const QString soubor = Volba()(dialog);
    if (soubor.isEmpty())
        return;

    TKonverzeOken rozhrani(rodic);
    const TVysledekKonverze vysledek =
        KonverzeSouboru(std::filesystem::path(soubor.toStdString()), typStanice, rozhrani);
    if (!vysledek.Zobrazit())
        return;
    TFormVysledekKonverze okno(rodic, vysledek.VystupniSoubor);
    okno.exec();
}
