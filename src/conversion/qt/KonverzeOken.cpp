#include "conversion/qt/KonverzeOken.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/KonverzeSouboru.h"
#include "conversion/ProtokolKonverze.h"
#include "conversion/VypocetRedukci.h"
#include "conversion/qt/ParamMAPA2.h"
#include "conversion/qt/VysledekKonverze.h"
#include "ui/DialogSouboru.h"

std::optional<TVolbyKonverze> TKonverzeOken::Parametry(TTypStanice typStanice, bool mereni) {
    if (!mereni) {
        volby_ = VolbyZNastaveni(NactiNastaveniMAPA2(TIniFile(CestaNastaveni())));
        return volby_;
    }
    TFormParamMAPA2 dialog(rodic_, typStanice);
    dialog.NastavFormuKonverze();
    // Escape and the close button cancel the conversion.
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    volby_ = dialog.Volby();
    return volby_;
}

namespace {

struct TPosledniProtokol {
    std::filesystem::path Vystup;
    std::string Text;
};

TPosledniProtokol& PosledniProtokol() {
    static TPosledniProtokol protokol;
    return protokol;
}

} // namespace

std::string ProtokolVystupu(const std::filesystem::path& vystup) {
    const TPosledniProtokol& p = PosledniProtokol();
    return p.Vystup == vystup ? p.Text : std::string();
}

std::optional<std::filesystem::path> KonverzeUlozenehoSouboru(QWidget* rodic,
                                                              const std::filesystem::path& soubor,
                                                              TTypStanice typStanice) {
    TKonverzeOken rozhrani(rodic);
    const TVysledekKonverze vysledek = KonverzeSouboru(soubor, typStanice, rozhrani);
    if (!vysledek.Zobrazit())
        return std::nullopt;
    // The dialog has saved the mean values the factor came from.
    PosledniProtokol() = {
        vysledek.VystupniSoubor,
        ProtokolKonverze({.Vstup = soubor,
                          .Vystup = vysledek.VystupniSoubor,
                          .Typ = typStanice,
                          .Nastaveni = NactiNastaveniMAPA2(TIniFile(CestaNastaveni())),
                          .Volby = rozhrani.Volby().value_or(TVolbyKonverze{})})};
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
