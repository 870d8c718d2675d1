#include "ui/DialogSouboru.h"

#include "common/Slozky.h"
#include "ui/SeznamSouboru.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QSplitter>
#include <QTreeView>

namespace {
// Qt's dialog opens 607 pixels wide, which cuts the side bar and the size and date columns;
// these fit their Czech texts (and still fit a 1024 x 768 screen).
constexpr QSize kVelikost(820, 480);
constexpr int kSirkyPolozek[] = {280, 90, 110, 130}; // name, size, type, date
constexpr int kBocniLista = 140;

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

std::filesystem::path ZvolenySoubor(QWidget* rodic, TDruhDialogu druh, const QString& jmeno,
                                    const QString& pripona, const QStringList& filtry,
                                    QString* zvolenyFiltr) {
    const bool ulozit = druh == TDruhDialogu::dgUlozeni;
    QFileDialog dialog(rodic);
    dialog.setObjectName(jmeno);
    dialog.setAcceptMode(ulozit ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(ulozit ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(pripona);
    dialog.setOption(QFileDialog::DontUseNativeDialog, !SystemovyDialogSouboru());
    dialog.setNameFilters(filtry);
    dialog.setDirectory(QString::fromStdU16String(VychoziSlozkaDat().u16string()));
    dialog.setProxyModel(new TCeskySeznamSouboru(&dialog));
    dialog.resize(kVelikost);
    if (auto* seznam = dialog.findChild<QTreeView*>("treeView"))
        for (int i = 0; i < int(std::size(kSirkyPolozek)); ++i)
            seznam->header()->resizeSection(i, kSirkyPolozek[i]);
    if (auto* delic = dialog.findChild<QSplitter*>("splitter"))
        delic->setSizes({kBocniLista, kVelikost.width() - kBocniLista});
    const QString soubor = Volba()(dialog);
    if (zvolenyFiltr)
        *zvolenyFiltr = dialog.selectedNameFilter();
    return std::filesystem::path(soubor.toStdU16String());
}

TVolbaSouboru NastavVolbuSouboru(TVolbaSouboru volba) {
    TVolbaSouboru predchozi = std::move(Volba());
    Volba() = volba ? std::move(volba) : TVolbaSouboru(VolbaDialogem);
    return predchozi;
}

QStringList FiltryMereni() {
    return {"Soubor meřených dat (*.sdt)", "Všechny soubory (*.*)"};
}
