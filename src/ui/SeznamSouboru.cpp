#include "ui/SeznamSouboru.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {
enum TSloupec { skVelikost = 1, skTyp = 2, skDatum = 3 };
}

QVariant TCeskySeznamSouboru::data(const QModelIndex& index, int role) const {
    const auto* model = qobject_cast<const QFileSystemModel*>(sourceModel());
    const int sloupec = index.column();
    if (role != Qt::DisplayRole || model == nullptr || sloupec < skVelikost || sloupec > skDatum)
        return QIdentityProxyModel::data(index, role);
    const QModelIndex zdroj = mapToSource(index);
    const QLocale cesky(QLocale::Czech, QLocale::Czechia);
    const QFileInfo soubor = model->fileInfo(zdroj);
    switch (sloupec) {
    case skVelikost:
        return soubor.isDir() ? QString() : cesky.formattedDataSize(soubor.size());
    case skTyp: // as Czech Windows names them
        if (soubor.isDir())
            return QString("Složka souborů");
        return soubor.suffix().isEmpty() ? QString("Soubor")
                                         : "Soubor " + soubor.suffix().toUpper();
    default:
        return cesky.toString(soubor.lastModified(), "dd.MM.yyyy HH:mm");
    }
}
