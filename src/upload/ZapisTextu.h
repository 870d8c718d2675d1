// The prepared text that merivox-cli send sends as it stands, line by line: read as every
// user's file is (UTF-8 converted to the code page, up to kNejdelsiVstup), and refused before
// the port is touched when a line holds a control character, above all EOT, DC1 and DC3,
// which would end or stall the conversation with the station while the send reports success.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

class TZpravy;

// The text to send, or nothing after a message: the file cannot be read, is no text, holds a
// control character (named with its line) or has no line to send.
std::optional<std::string> PripravZapisTextu(const std::filesystem::path& soubor, TZpravy& zpravy);
