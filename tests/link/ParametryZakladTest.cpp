// "Parametry komunikace s totální stanicí..." from the main window: the dialog works on the
// window's own driver, over the window, which shows the wait cursor meanwhile.
#include "app/Zaklad.h"

#include "common/Slozky.h"
#include "link/Komunikace.h"
#include "link/qt/ComConfig.h"
#include "serial/TestLinka.h"
#include "serial/TestNastaveni.h"
#include "serial/qt/SpQtSyncUi.h"
#include "ui/SkupinaVoleb.h"
#include "ui/TestovaniOken.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

TEST(ParametryZaklad, TheMainWindowsDriverGetsWhatTheDialogSaves) {
    TProstrediPortu<TSpQtSyncUi> prostredi;
    const auto com1 = VytvorTestLinku();
    prostredi.nastaveni.Mapuj(1, com1->Zarizeni());
    {
        TZaznamZpravOken zpravy;
        TOdpovediDialogu odpovedi;
        TFormZaklad okno;
        bool videno = false;
        odpovedi.OdpovezDalsimu([&](QWidget* d) {
            videno = true;
            EXPECT_EQ(d->windowTitle(), "Nastavení parametrů komunikace");
            EXPECT_EQ(d->parentWidget(), &okno);
            EXPECT_EQ(okno.cursor().shape(), Qt::WaitCursor);
            d->findChild<TSkupinaVoleb*>("G_Parita")->Tlacitko(2)->click();
            d->findChild<QPushButton*>("Tl_Uloz")->click();
        });
        okno.findChild<QAction*>("A_ParametryKomunikace")->trigger();
        EXPECT_TRUE(videno);
        EXPECT_EQ(okno.ComDriver().Parity(), paOdd);
        EXPECT_FALSE(okno.ComDriver().Port().Active()); // tested, then left to others
        EXPECT_EQ(okno.cursor().shape(), Qt::ArrowCursor);
        EXPECT_TRUE(zpravy.Zpravy().empty());
    }
}

} // namespace
