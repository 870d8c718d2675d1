// Splitting a text to send into its lines.
#pragma once

#include <string>
#include <vector>

// The lines of a text whose line breaks are CR LF, LF or CR; the breaks are not kept. A break
// at the very end opens no further line; empty lines inside the text are kept.
std::vector<std::string> RozdelNaRadky(const std::string& text);
