// Upper case as the code window and the code upload mean it: only a to z become A to Z, so
// letters with diacritics (the ó of "kóta") stay as typed.
#pragma once

#include <string>
#include <string_view>

std::string VelkaPismenaAscii(std::string_view text);
