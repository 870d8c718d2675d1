// The Central European Windows code page (1250) in which every text of the program lives,
// and its conversion to Unicode at the window and terminal boundary.
//
// The five bytes that cp1250 leaves undefined (81h, 83h, 88h, 90h, 98h) map to the C1
// control characters of the same value (U+0081 ...), as Windows itself maps them, so that
// every byte string survives a round trip through Unicode unchanged.
#pragma once

#include <string>

// The Unicode code point of one cp1250 byte.
char32_t Cp1250NaUnicode(unsigned char byte);

// The cp1250 byte of a code point, or -1 when cp1250 has no such character.
int UnicodeNaCp1250(char32_t codePoint);

// Whole strings, through UTF-8 (terminals, file names, tests).
std::string Cp1250NaUtf8(const std::string& cp1250);
// Characters without a cp1250 byte become `replacement`; a malformed UTF-8 sequence counts
// as one such character.
std::string Utf8NaCp1250(const std::string& utf8, char replacement = '?');

// A Czech text literal of the source (UTF-8) as the cp1250 bytes the logic works with.
std::string Cz(const char* utf8);
