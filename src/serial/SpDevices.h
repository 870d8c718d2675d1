// Which device a port number "COM%d" stands for: key COMn of section Devices of the settings
// file, else the system's own device for the number, else an adapter present (the rule is
// SpPriradPorty's). An adapter given a number is remembered in section Devices by its stable
// link.
#pragma once

#include "serial/SpPrirazeniPortu.h"

#include <string>
#include <vector>

// The numbers the port list shows, COM1 .. COM10; adapters get numbers within them.
constexpr int kSpPocetPortu = 10;

// Empty when the number names no device.
std::string SpDevicePath(int number);

// What COM1 .. COM<count> stand for now (at least kSpPocetPortu numbers are assigned).
std::vector<TSpPopisPortu> SpPopisyPortu(int count = kSpPocetPortu);

// Platform half.
// The system's own device for the number, without the settings file (Linux: COM1-COM4 are
// the built-in ports /dev/ttyS0-3; Windows: \\.\COMn). Empty when it has none.
std::string SpDefaultDevicePath(int number);
// The serial adapters present, in the order in which free numbers go to them.
std::vector<TSpAdapter> SpNajdiAdaptery();
// The path a key's value stands for (Windows: "COM14" is \\.\COM14).
std::string SpCestaKlice(const std::string& hodnota);

// The folder in which the system's rule names its devices ("/dev"; on Windows the device
// namespace), scanned for adapters. Every test program points it at an empty folder of its
// own before any test runs, so that no port number, mapped or forgotten, leads a test to a
// real serial port; a test may put pseudo-terminals and links there as a fake device folder.
const std::string& SpSlozkaZarizeni();
void SpNastavSlozkuZarizeni(std::string slozka);
// The system's own folder (the default of the above).
std::string SpVychoziSlozkaZarizeni();
