// How the systems name serial adapters, turned into what the port list shows. Plain text
// functions, so that each system's naming is checked on any system.
#pragma once

#include <string>

// Linux: the name in a /dev/serial/by-id link's file name,
// "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0" -> "FTDI FT232R USB UART" (the bus, the
// serial number, the interface and port are left out). Empty for a name of another form.
std::string SpNazevZOdkazu(const std::string& jmenoOdkazu);

// Windows: the SetupAPI friendly name without the port it ends with,
// "USB Serial Port (COM14)" -> "USB Serial Port".
std::string SpNazevZPopisu(const std::string& friendlyName, const std::string& port);

// "COM14" for a text that names a COM port ("com14", "COM14"), else empty.
std::string SpJmenoComPortu(const std::string& text);

// A device path as the list shows it: without the device folder where it lies in it
// ("/dev/ttyUSB0" -> "ttyUSB0", "\\.\COM14" -> "COM14"), otherwise whole.
std::string SpKratkeJmenoZarizeni(const std::string& cesta, const std::string& slozka);
