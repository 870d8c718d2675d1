#include "survey/qt/NahledOken.h"

#include "common/ObsahSouboru.h"
#include "survey/qt/NahledMereni.h"
#include "survey/qt/NahledZVypoctu.h"
#include "ui/DialogSouboru.h"
#include "ui/ZpravyOken.h"

namespace {
void Ukaz(QWidget* rodic, TFormNahledMereni::TVypocet vypocet,
          TFormNahledMereni::TExport exportovat) {
    TFormNahledMereni okno(rodic, std::move(vypocet), std::move(exportovat));
    okno.exec();
}
} // namespace

void NahledMereniOken(QWidget* rodic, TTypStanice typStanice,
                      TFormNahledMereni::TExport exportovat) {
    const std::filesystem::path soubor =
        ZvolenySoubor(rodic, TDruhDialogu::dgOtevreni, "OD_NahledMereni", "sdt", FiltryMereni());
    if (soubor.empty())
        return;
    std::string obsah;
    TZpravyOken zpravy(rodic);
    if (!OhlasChybu(NactiObsahSouboru(soubor, obsah), zpravy))
        return;
    const QString jmeno = QString::fromStdU16String(soubor.u16string());
    Ukaz(rodic, VypocetNahledu(std::move(obsah), soubor, jmeno, typStanice), std::move(exportovat));
}

void NahledDat(QWidget* rodic, const std::string& data, TTypStanice typStanice,
               TFormNahledMereni::TExport exportovat) {
    Ukaz(rodic, VypocetNahledu(data, {}, QString::fromUtf8("Načtená data"), typStanice),
         std::move(exportovat));
}
