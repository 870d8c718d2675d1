#include "app/Obrazky.h"

#include "ui/IkonaSvg.h"

QString CestaObrazku(const QString& jmeno) {
    return ":/obrazky/" + jmeno + ".svg";
}

QIcon IkonaObrazku(const QString& jmeno) {
    return IkonaSvg(CestaObrazku(jmeno));
}

QIcon IkonaProgramu() {
    return IkonaObrazku("merivox");
}
