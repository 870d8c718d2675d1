#include "ui/DialogSouboru.h"

#include "common/Slozky.h"

#include <QFileDialog>

void PripravDialogSouboru(QFileDialog& dialog, TDruhDialogu druh, const QString& jmeno,
                          const QString& pripona, const QStringList& filtry) {
    const bool ulozit = druh == TDruhDialogu::Ulozeni;
    dialog.setObjectName(jmeno);
    dialog.setAcceptMode(ulozit ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(ulozit ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(pripona);
    dialog.setOption(QFileDialog::DontUseNativeDialog, !SystemovyDialogSouboru());
    dialog.setNameFilters(filtry);
    dialog.setDirectory(QString::fromStdU16String(VychoziSlozkaDat().u16string()));
}
