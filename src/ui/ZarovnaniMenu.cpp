#include "ui/ZarovnaniMenu.h"

#include <QApplication>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {
// A menu bar right-aligns every item after a separator when its style asks for separators
// (the Motif rule); the separator itself is never painted. This style asks for them on the
// one bar it is given and leaves everything else to the application's style.
class TStylZarovnani : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* volba, const QWidget* widget,
                  QStyleHintReturn* navrat) const override {
        if (hint == SH_DrawMenuBarSeparator)
            return 1;
        return QProxyStyle::styleHint(hint, volba, widget, navrat);
    }
};
} // namespace

bool ZarovnejMenuVpravo(QMenuBar* lista, int pozice) {
    if (!lista || pozice < 0 || pozice >= lista->actions().size())
        return false;
    lista->insertSeparator(lista->actions().at(pozice));
    if (!dynamic_cast<TStylZarovnani*>(lista->style())) {
        auto* styl = new TStylZarovnani(QStyleFactory::create(QApplication::style()->name()));
        styl->setParent(lista);
        lista->setStyle(styl);
    }
    lista->update();
    return true;
}
