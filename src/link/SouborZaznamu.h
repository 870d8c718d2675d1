// The log of conversations with the instrument beside the settings file: every download and
// send appends its record. The log keeps at least the last kLimitZaznamu bytes: when a record
// would take it past that, the log becomes the one older file (name + ".1", replacing the
// previous one) and a new log starts; when it cannot be moved aside, it starts again from
// nothing. A log that blocks (a FIFO without a reader) is given up after a short time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

constexpr std::uintmax_t kLimitZaznamu = 1024 * 1024;

// "Merivox-komunikace.log" in the folder of the settings file.
std::filesystem::path VychoziSouborZaznamu();

// Appends the text; false when it could not be written (never raises: a record is no reason
// for a transfer to fail).
bool PripojZaznam(const std::filesystem::path& soubor, const std::string& text,
                  std::uintmax_t limit = kLimitZaznamu);
