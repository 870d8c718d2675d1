#include "ui/HlidaniOken.h"

#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* kPosouvane = "merivoxPosouvane";

QMargins Okraje(const QWidget* okno) {
    const QRect vnejsi = okno->frameGeometry();
    const QRect vnitrni = okno->geometry();
    return {vnitrni.left() - vnejsi.left(), vnitrni.top() - vnejsi.top(),
            vnejsi.right() - vnitrni.right(), vnejsi.bottom() - vnitrni.bottom()};
}

// The contents of a fixed-size window go into a scrolled area of the size that fits; the
// controls keep their places and names within it.
void Posouvej(QWidget* okno, const QSize& nejvic) {
    const QSize puvodni = okno->size();
    auto* obsah = new QWidget;
    if (QLayout* rozvrzeni = okno->layout())
        obsah->setLayout(rozvrzeni); // takes the laid-out controls along
    for (QWidget* prvek : okno->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (prvek->isWindow())
            continue;
        const bool skryty =
            prvek->isHidden() && prvek->testAttribute(Qt::WA_WState_ExplicitShowHide);
        const QPoint kde = prvek->pos();
        prvek->setParent(obsah);
        prvek->move(kde);
        prvek->setVisible(!skryty);
    }
    obsah->resize(puvodni);
    auto* svitek = new QScrollArea(okno);
    svitek->setObjectName("SvitekOkna");
    svitek->setFrameShape(QFrame::NoFrame);
    svitek->setWidget(obsah);
    auto* rozvrzeni = new QVBoxLayout(okno);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->addWidget(svitek);
    // Room for the one scroll bar where it fits, so that it does not call for the other.
    QSize velikost = puvodni;
    const int pruh = okno->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, okno);
    if (puvodni.height() > nejvic.height())
        velikost.rwidth() += pruh;
    if (puvodni.width() > nejvic.width())
        velikost.rheight() += pruh;
    okno->setFixedSize(velikost.boundedTo(nejvic));
    svitek->show();
    okno->setProperty(kPosouvane, true);
}

void Zmensi(QWidget* okno, const QSize& nejvic) {
    if (okno->minimumSize() != okno->maximumSize()) {
        okno->resize(okno->size().boundedTo(nejvic));
        return; // what its minimum keeps larger stays so: its own layout knows best
    }
    // A message box sizes itself as it shows; it is only moved.
    if (!qobject_cast<QMessageBox*>(okno) && !okno->property(kPosouvane).toBool())
        Posouvej(okno, nejvic);
}

// Undoes a minimise of the modal dialog `okno`: the dialog and the window it stands over
// come back.
void ObnovModalni(QWidget* okno) {
    QTimer::singleShot(0, okno, [okno] {
        if (QWidget* hlavni = okno->parentWidget() ? okno->parentWidget()->window() : nullptr)
            hlavni->setWindowState(hlavni->windowState() & ~Qt::WindowMinimized);
        okno->setWindowState(okno->windowState() & ~Qt::WindowMinimized);
        okno->raise();
        okno->activateWindow();
    });
}

} // namespace

void VlozDoPlochy(QWidget* okno, const QRect& plocha) {
    // The frame is known once the window manager has framed the window; until then that of
    // the window it stands over is the best guess (none without a window manager).
    QMargins ramec = Okraje(okno);
    if (ramec.isNull() && okno->parentWidget())
        ramec = Okraje(okno->parentWidget()->window());
    const QSize nejvic = plocha.size().shrunkBy(ramec);
    if (okno->width() > nejvic.width() || okno->height() > nejvic.height())
        Zmensi(okno, nejvic);
    // move() places the frame: kept within the area, its top-left corner first.
    const QSize vnejsi = okno->size().grownBy(ramec);
    const QPoint kde = okno->pos();
    const QPoint nove(
        std::max(plocha.left(), std::min(kde.x(), plocha.right() + 1 - vnejsi.width())),
        std::max(plocha.top(), std::min(kde.y(), plocha.bottom() + 1 - vnejsi.height())));
    if (nove != kde)
        okno->move(nove);
}

bool THlidaniOken::eventFilter(QObject* objekt, QEvent* udalost) {
    if (!objekt->isWidgetType())
        return false;
    auto* okno = static_cast<QWidget*>(objekt);
    if (!okno->isWindow())
        return false;
    if (udalost->type() == QEvent::Show && qobject_cast<QDialog*>(okno)) {
        if (const QScreen* obrazovka = okno->screen())
            VlozDoPlochy(okno, obrazovka->availableGeometry());
    } else if (udalost->type() == QEvent::WindowStateChange && okno->isModal() &&
               okno->isMinimized()) {
        ObnovModalni(okno);
    }
    return false;
}
