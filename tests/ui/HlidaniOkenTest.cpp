// Dialogs on a screen smaller than they are, and a modal dialog minimised.
#include "ui/HlidaniOken.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include <gtest/gtest.h>

namespace {

// A dialog placed by hand, as the settings dialog is, with its button at the bottom.
struct TPevnyDialog {
    QWidget rodic;
    QDialog dialog{&rodic};
    QPushButton* tlacitko = new QPushButton("&Ulož", &dialog);
    explicit TPevnyDialog(QSize velikost) {
        dialog.setFixedSize(velikost);
        tlacitko->setObjectName("Tl_Uloz");
        tlacitko->setGeometry(10, velikost.height() - 40, 80, 28);
    }
};

} // namespace

TEST(HlidaniOken, DialogsStayWithinTheAvailableArea) {
    const QRect plocha(0, 0, 512, 384); // 1024x768 at scaling 2
    {
        SCOPED_TRACE("fits, but would stand below the edge: moved in");
        TPevnyDialog d({250, 180});
        d.dialog.move(300, 300);
        VlozDoPlochy(&d.dialog, plocha);
        EXPECT_TRUE(plocha.contains(d.dialog.frameGeometry()));
        EXPECT_EQ(d.dialog.findChild<QScrollArea*>(), nullptr);
    }
    {
        SCOPED_TRACE("too tall for the area: scrolled, the button still reachable");
        TPevnyDialog d({481, 481});
        VlozDoPlochy(&d.dialog, plocha);
        EXPECT_TRUE(plocha.contains(d.dialog.frameGeometry()));
        auto* svitek = d.dialog.findChild<QScrollArea*>();
        ASSERT_NE(svitek, nullptr);
        EXPECT_EQ(d.dialog.findChild<QPushButton*>("Tl_Uloz"), d.tlacitko);
        EXPECT_EQ(d.tlacitko->geometry(), QRect(10, 441, 80, 28)) << "keeps its place";
        d.dialog.show();
        svitek->ensureWidgetVisible(d.tlacitko);
        EXPECT_TRUE(svitek->viewport()->rect().contains(
            d.tlacitko->geometry().translated(svitek->widget()->pos())));
    }
    {
        SCOPED_TRACE("resizable: made smaller");
        QDialog d;
        d.resize(750, 500);
        VlozDoPlochy(&d, plocha);
        EXPECT_TRUE(plocha.contains(d.frameGeometry()));
    }
}

// The watch as the program installs it: shown dialogs are put on their screen, and a modal one
// minimised comes back with the window it stands over; other windows minimise as usual.
TEST(HlidaniOken, AModalDialogMinimisedComesBackWithItsWindow) {
    THlidaniOken hlidani;
    qApp->installEventFilter(&hlidani);
    TPevnyDialog d({300, 2000});
    d.rodic.show();
    d.dialog.setWindowModality(Qt::ApplicationModal);
    d.dialog.show();
    EXPECT_LE(d.dialog.height(), d.dialog.screen()->availableGeometry().height());
    d.rodic.setWindowState(Qt::WindowMinimized);
    d.dialog.setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_FALSE(d.dialog.isMinimized());
    EXPECT_FALSE(d.rodic.isMinimized());

    QDialog nemodalni;
    nemodalni.show();
    nemodalni.setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_TRUE(nemodalni.isMinimized());
    qApp->removeEventFilter(&hlidani);
}
