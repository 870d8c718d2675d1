// How adapters are named on each system, as the port list shows them.
#include "serial/SpNazvyAdapteru.h"

#include <gtest/gtest.h>

TEST(SpNazvyAdapteru, NamesFromLinksFriendlyNamesAndKeys) {
    // udev's by-id names: the serial number, interface and port are no part of the name.
    EXPECT_EQ(SpNazevZOdkazu("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"),
              "FTDI FT232R USB UART");
    EXPECT_EQ(SpNazevZOdkazu("usb-1a86_USB2.0-Ser_-if00-port0"), "1a86 USB2.0-Ser");
    EXPECT_EQ(SpNazevZOdkazu("usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0"),
              "Prolific Technology Inc. USB-Serial Controller");
    EXPECT_EQ(SpNazevZOdkazu("usb-Arduino__www.arduino.cc__0043_7583335303535-if00"),
              "Arduino www.arduino.cc 0043");
    EXPECT_EQ(SpNazevZOdkazu("usb-FTDI_FT232R-if00"), "FTDI FT232R") << "one word is the model";
    EXPECT_EQ(SpNazevZOdkazu("pci-Intel_Serial-port2"), "Intel Serial");
    EXPECT_EQ(SpNazevZOdkazu("usb-Vendor_Box-ifzz"), "Vendor Box-ifzz") << "no interface";
    EXPECT_EQ(SpNazevZOdkazu("usb--if00"), "-if00") << "nothing but a suffix is the name";
    EXPECT_EQ(SpNazevZOdkazu("ttyUSB0"), "");
    EXPECT_EQ(SpNazevZOdkazu("usb-"), "");

    // SetupAPI's friendly name ends with the port it has now.
    EXPECT_EQ(SpNazevZPopisu("USB Serial Port (COM14)", "COM14"), "USB Serial Port");
    EXPECT_EQ(SpNazevZPopisu("Communications Port (COM1)", "COM1"), "Communications Port");
    EXPECT_EQ(SpNazevZPopisu("Prolific USB-to-Serial (COM3)", "COM4"),
              "Prolific USB-to-Serial (COM3)");
    EXPECT_EQ(SpNazevZPopisu("(COM3)", "COM3"), "(COM3)");

    // Key values on Windows: COM3=COM14 names any system port.
    EXPECT_EQ(SpJmenoComPortu("com14"), "COM14");
    EXPECT_EQ(SpJmenoComPortu("COM256"), "COM256");
    for (const char* jine : {"COM", "COM0", "COM1x", "\\\\.\\COM3", "LPT1", "COM123456"})
        EXPECT_EQ(SpJmenoComPortu(jine), "") << jine;

    // Shown without the device folder where the device lies in it.
    EXPECT_EQ(SpKratkeJmenoZarizeni("/dev/ttyUSB0", "/dev"), "ttyUSB0");
    EXPECT_EQ(SpKratkeJmenoZarizeni("\\\\.\\COM14", "\\\\."), "COM14");
    EXPECT_EQ(SpKratkeJmenoZarizeni("/dev/serial/by-id/x", "/dev"), "/dev/serial/by-id/x");
    EXPECT_EQ(SpKratkeJmenoZarizeni("/devx/ttyS0", "/dev"), "/devx/ttyS0");
}
