// Which device a port number "COM%d" stands for. Key COMn of section Devices of the settings
// file names it; without that key the system's own rule applies (on Windows \\.\COMn, elsewhere
// COM1-COM4 are /dev/ttyS0-3 and COM5-COM10 /dev/ttyUSB0-5).
#pragma once

#include <string>

// Empty when the number names no device.
std::string SpDevicePath(int number);

// The system's rule, without the settings file. Empty when it has none for the number.
std::string SpDefaultDevicePath(int number);

// The folder in which the system's rule names its devices ("/dev"; on Windows the device
// namespace). Every test program points it at an empty folder of its own before any test
// runs, so that no port number, mapped or forgotten, leads a test to a real serial port.
const std::string& SpSlozkaZarizeni();
void SpNastavSlozkuZarizeni(std::string slozka);
// The system's own folder (the default of the above).
std::string SpVychoziSlozkaZarizeni();
