// The two total stations the program talks to. The type picks the link's conversation rules,
// the header options the MAPA2 parameters dialog enables and whether the converter reads a file
// at all. It is one byte, 1 and 2 as the driver publishes it; a byte that names neither type is
// kept as it came, and since every check asks for the one type it needs, it counts as neither.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum class TTypStanice : std::uint8_t { tsNTS350 = 1, tsNTS660 = 2 };

// The type's name as the settings file and the settings dialog's list write it. The settings
// file has only these two, so any type other than the NTS-350 is written as "NTS-660".
const char* TextTypuStanice(TTypStanice typ);
// The type that a name of the list stands for; any other text stands for no type.
std::optional<TTypStanice> TypStaniceZTextu(const std::string& text);
