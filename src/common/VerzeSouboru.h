// The version and the date of a file, for the about box.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The product version of the file's version record as "%d.%d.%d.%d"; empty when the file has
// no record or cannot be read. Platform half, one file per system.
std::string VerzeSouboru(const std::filesystem::path& soubor);

// The file's last write time on the program's date scale: days since 30 December 1899, the
// fraction being the time of day, in UTC as the file system stores it. Throws
// std::filesystem::filesystem_error when the file cannot be examined.
double DatumSouboru(const std::filesystem::path& soubor);

// The same conversion from a count of 100-nanosecond units since 1 January 1601.
double DatumZCasuSouboru(std::int64_t stoNanosekundOd1601);

// "%d.%d.%d.%d" of the two product version words: high and low 16 bits of each.
std::string TextVerze(std::uint32_t verzeMS, std::uint32_t verzeLS);

// The version text of the first valid version record in `bajty`, if there is one. A record
// counts when its key "VS_VERSION_INFO" (UTF-16) is followed by the fixed part's signature.
std::optional<std::string> NajdiVerzniZaznam(std::string_view bajty);
