// What happens to downloaded data outside their window: how they look as lines and how they
// are saved as a measured-data file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class TZpravy;

// The received bytes as the text box shows them: lines separated by "\n" (CR LF, a lone CR or
// a lone LF end a line); a last empty line after the final line end does not count. Control
// characters are left out, and so is a last line made of them only (the end mark EOT).
std::string RadkyNactenychDat(const std::string& data);

// Saves the data exactly as the station sent them (cp1250 bytes, its CR LF line ends, the end
// mark included), so that the file is the very text the converter expects. The old file is
// replaced only by a complete new one; a failure is shown through `zpravy` naming the file,
// and false is returned.
bool UlozNactenaData(const std::filesystem::path& soubor, const std::string& data, TZpravy& zpravy);

// Received data whose chosen file could not be written: saved under a new name
// ("merivox-data-DATE-TIME.sdt") in the first of `slozky` that takes it, so that they are
// never lost. The file's path, or empty when no folder took it.
std::filesystem::path ZachranNactenaData(const std::string& data,
                                         const std::vector<std::filesystem::path>& slozky);
