#include "ui/NastrojovaLista.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

void PridejTlacitko(QToolBar* lista, QAction* akce) {
    lista->addAction(akce);
    if (auto* tlacitko = qobject_cast<QToolButton*>(lista->widgetForAction(akce))) {
        tlacitko->setObjectName("SB_" + akce->objectName().mid(2));
        tlacitko->setAutoRaise(true);
        tlacitko->setFixedSize(30, 30);
    }
}
