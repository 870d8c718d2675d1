// File names as text of the program. Paths live in std::filesystem::path, whose own encoding
// differs by system (UTF-8 bytes on Linux, UTF-16 on Windows); texts shown to the user, written
// to the settings file or typed into a field are cp1250. These two convert between them, so
// that a name with Czech letters means the same file on every system.
#pragma once

#include <filesystem>
#include <string>

// The cp1250 text of a path; characters that cp1250 lacks become '?'.
std::string TextCesty(const std::filesystem::path& path);

// The path that a cp1250 text names.
std::filesystem::path CestaZTextu(const std::string& cp1250);
