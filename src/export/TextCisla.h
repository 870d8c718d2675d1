// Numbers as the export formats write them.
#pragma once

#include <string>

// The shortest text that reads back as the same value ("743210.12"), never "-0".
std::string KratkeCislo(double hodnota);
// A fixed number of decimals ("14.418593891" for 9).
std::string CisloSDesetinami(double hodnota, int desetiny);
