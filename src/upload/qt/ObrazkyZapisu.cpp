#include "upload/qt/ObrazkyZapisu.h"

#include "ui/IkonaSvg.h"

QIcon IkonaZapisu(const QString& jmeno) {
    return IkonaSvg(":/zapis/" + jmeno + ".svg");
}
