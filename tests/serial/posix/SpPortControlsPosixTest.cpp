// The port list follows adapters that are plugged in while it is shown (a fake device folder of
// pseudo-terminals).
#include "serial/qt/SpPortControls.h"

#include "common/Slozky.h"
#include "serial/TestNastaveni.h"
#include "serial/posix/FalesnaSlozkaZarizeni.h"

#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

TEST(SpPortControlsPosix, AnAdapterPluggedInWhileTheListIsShownAppearsWithItsName) {
    const std::filesystem::path puvodni = CestaNastaveni();
    {
        TTestNastaveni nastaveni;
        for (int n = 5; n <= 10; ++n)
            nastaveni.Mapuj(n, "");
        TFalesnaSlozkaZarizeni dev;
        TSpPortRadioGroup g(nullptr, 10, {pcCheckExist, pcDisableOpen});
        g.show();
        EXPECT_TRUE(g.CasovacHledani()->isActive()) << "a shown list looks for adapters";
        EXPECT_FALSE(g.Tlacitko(4)->isEnabled());

        dev.Pripoj("ttyUSB0", "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        g.Prohledej(); // what the timer does each second
        EXPECT_EQ(g.ItemState(4), TSpPortState::psFree);
        EXPECT_TRUE(g.Tlacitko(4)->isEnabled());
        EXPECT_EQ(g.Tlacitko(4)->text(),
                  QString::fromUtf8("COM &5   ttyUSB0 – FTDI FT232R USB UART"));

        dev.Odpoj("ttyUSB0");
        g.Prohledej();
        EXPECT_FALSE(g.Tlacitko(4)->isEnabled()) << "gone again, COM5 keeps its number";
        g.hide();
        EXPECT_FALSE(g.CasovacHledani()->isActive());
    }
    PrepisCestuNastaveni(puvodni);
}
