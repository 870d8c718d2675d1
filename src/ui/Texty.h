// The window boundary of the program's texts: logic keeps cp1250 byte strings, windows show
// QString. Every conversion between the two goes through this pair.
#pragma once

#include <QString>

#include <string>

// cp1250 bytes as Unicode text; every byte has a character, so nothing is lost.
QString ZCp1250(const std::string& text);

// Unicode text as cp1250 bytes; a character the code page lacks becomes '?'.
std::string DoCp1250(const QString& text);
