#include "conversion/qt/KonverzeOken.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/KonverzeSouboru.h"
#include "conversion/VypocetRedukci.h"
#include "conversion/qt/ParamMAPA2.h"
#include "conversion/qt/VysledekKonverze.h"
#include "ui/DialogSouboru.h"

std::optional<TVolbyKonverze> TKonverzeOken::Parametry(TTypStanice typStanice, bool mereni) {
    if (!mereni) {
        try {
            return VolbyZNastaveni(NactiNastaveniMAPA2(TIniFile(CestaNastaveni())));
        } catch (const EIniFileError&) {
            return VolbyZNastaveni(TNastaveniMAPA2{});
        }
    }
    TFormParamMAPA2 dialog(rodic_, typStanice);
    dialog.NastavFormuKonverze();
    // Escape and the close button cancel the conversion.
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Volby();
}

QStringList FiltryMereni() {
    return {"Soubor meřených dat (*.sdt)", "Všechny soubory (*.*)"};
}

void KonverzeSouboruOken(QWidget* rodic, TTypStanice typStanice) {
    const std::filesystem::path soubor =
        ZvolenySoubor(rodic, TDruhDialogu::Otevreni, "OD_Konverze", "sdt", FiltryMereni());
    if (soubor.empty())
        return;

    TKonverzeOken rozhrani(rodic);
    const TVysledekKonverze vysledek = KonverzeSouboru(soubor, typStanice, rozhrani);
    if (!vysledek.Zobrazit())
        return;
    TFormVysledekKonverze okno(rodic, vysledek.VystupniSoubor);
    okno.exec();
}
