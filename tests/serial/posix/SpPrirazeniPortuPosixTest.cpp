// Which device each port number stands for on Linux, in a fake device folder of
// pseudo-terminals: the built-in ports, adapters taking the free numbers and keeping them, and
// a key of section Devices winning over both.
#include "serial/SpDevices.h"
#include "serial/SpPortStates.h"
#include "serial/SpSlovnikLinky.h"

#include "serial/TestNastaveni.h"
#include "serial/posix/FalesnaSlozkaZarizeni.h"

#include <gtest/gtest.h>

namespace {

const std::string kFtdi = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
const std::string kProlific = "usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0";

TEST(SpPrirazeniPortu, AdaptersTakeFreeNumbersAndKeepThemAndAKeyAlwaysWins) {
    TTestNastaveni nastaveni;
    for (int n = 1; n <= 10; ++n)
        nastaveni.Mapuj(n, ""); // an empty key is no key: the rule alone
    TFalesnaSlozkaZarizeni dev;
    const std::string slozka = TFalesnaSlozkaZarizeni::Slozka().string();
    const std::string odkazFtdi = (TFalesnaSlozkaZarizeni::ById() / kFtdi).string();
    auto klic = [&](int n) {
        return TIniFile(nastaveni.Slozka() / "Merivex.ini")
            .ReadString("Devices", SpJmenoPortu(n), "");
    };

    EXPECT_EQ(SpDevicePath(5), "") << "no adapter: COM5 stands for nothing";
    ASSERT_FALSE(dev.Pripoj("ttyUSB0", kFtdi).empty());
    auto porty = SpPopisyPortu();
    ASSERT_EQ(porty.size(), 10u);
    EXPECT_EQ(porty[0].Zarizeni, slozka + "/ttyS0");
    EXPECT_EQ(porty[3].Zarizeni, slozka + "/ttyS3");
    EXPECT_EQ(porty[4].Zarizeni, odkazFtdi) << "opened by its stable link";
    EXPECT_EQ(porty[4].Skutecne, slozka + "/ttyUSB0");
    EXPECT_EQ(porty[4].Nazev, "FTDI FT232R USB UART");
    EXPECT_EQ(klic(5), odkazFtdi) << "remembered";
    EXPECT_EQ(SpProbePort(5), TSpPortState::psFree);

    // Re-plugged beside a second one that took its old device name: it keeps COM5, the new one
    // takes the next free number; an adapter without a stable link follows, not remembered.
    dev.Odpoj("ttyUSB0", kFtdi);
    dev.Pripoj("ttyUSB0", kProlific);
    dev.Pripoj("ttyUSB1", kFtdi);
    dev.Pripoj("ttyACM0");
    porty = SpPopisyPortu();
    EXPECT_EQ(porty[4].Skutecne, slozka + "/ttyUSB1");
    EXPECT_EQ(porty[5].Skutecne, slozka + "/ttyUSB0");
    EXPECT_EQ(porty[5].Nazev, "Prolific Technology Inc. USB-Serial Controller");
    EXPECT_EQ(porty[6].Zarizeni, slozka + "/ttyACM0");
    EXPECT_EQ(klic(7), "");

    // A key wins over the built-in port and over an adapter's claim to a free number.
    nastaveni.Mapuj(1, "/dev/pts/nic");
    // By hand, the way a user names an adapter; the one without a stable link moves on.
    const std::string kCh340 = "usb-1a86_USB2.0-Ser_-if00-port0";
    nastaveni.Mapuj(7, (TFalesnaSlozkaZarizeni::ById() / kCh340).string());
    dev.Pripoj("ttyUSB2", kCh340);
    porty = SpPopisyPortu();
    EXPECT_EQ(porty[0].Zarizeni, "/dev/pts/nic");
    EXPECT_EQ(porty[6].Skutecne, slozka + "/ttyUSB2");
    EXPECT_EQ(porty[6].Nazev, "1a86 USB2.0-Ser");
    EXPECT_EQ(porty[7].Zarizeni, slozka + "/ttyACM0");

    // Unplugged, a remembered adapter's number stays its own and shows it missing.
    dev.Odpoj("ttyUSB1", kFtdi);
    porty = SpPopisyPortu();
    EXPECT_EQ(porty[4].Zarizeni, odkazFtdi);
    EXPECT_EQ(SpProbePort(5), TSpPortState::psMissing);
}

} // namespace
