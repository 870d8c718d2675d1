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
        return VolbyZNastaveni(NactiNastaveniMAPA2(TIniFile(CestaNastaveni())));
    }
    TFormParamMAPA2 dialog(rodic_, typStanice);
    dialog.NastavFormuKonverze();
    // Escape and the close button cancel the conversion.
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Volby();
}

std::optional<std::filesystem::path> KonverzeUlozenehoSouboru(QWidget* rodic,
                                                              const std::filesystem::path& soubor,
                                                              TTypStanice typStanice) {
    TKonverzeOken rozhrani(rodic);
    const TVysledekKonverze vysledek = KonverzeSouboru(soubor, typStanice, rozhrani);
    if (!vysledek.Zobrazit())
        return std::nullopt;
    return vysledek.VystupniSoubor;
}

void KonverzeSouboruOken(QWidget* rodic, TTypStanice typStanice) {
    const std::filesystem::path soubor =
        ZvolenySoubor(rodic, TDruhDialogu::dgOtevreni, "OD_Konverze", "sdt", FiltryMereni());
    if (soubor.empty())
        return;

    const auto vystup = KonverzeUlozenehoSouboru(rodic, soubor, typStanice);
    if (!vystup)
        return;
    TFormVysledekKonverze okno(rodic, *vystup);
    okno.exec();
}
