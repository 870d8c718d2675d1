#include "ui/DialogSouboru.h"

#include "common/Slozky.h"

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

std::filesystem::path ZvolenySoubor(QWidget* rodic, TDruhDialogu druh, const QString& jmeno,
                                    const QString& pripona, const QStringList& filtry) {
    const bool ulozit = druh == TDruhDialogu::Ulozeni;
    QFileDialog dialog(rodic);
    dialog.setObjectName(jmeno);
    dialog.setAcceptMode(ulozit ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(ulozit ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(pripona);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(filtry);
    dialog.setDirectory(QString::fromStdU16String(VychoziSlozkaDat().u16string()));
    return std::filesystem::path(Volba()(dialog).toStdU16String());
}

TVolbaSouboru NastavVolbuSouboru(TVolbaSouboru volba) {
    TVolbaSouboru predchozi = std::move(Volba());
    Volba() = volba ? std::move(volba) : TVolbaSouboru(VolbaDialogem);
    return predchozi;
}
