// A Windows file path names no FIFO: the log is a plain file, appended as any.
#include "link/PripojeniZaznamu.h"

#include <fstream>

bool PripojBezCekani(const std::filesystem::path& soubor, const std::string& text, bool znovu,
                     std::chrono::milliseconds) {
    std::ofstream out(soubor, std::ios::binary | (znovu ? std::ios::trunc : std::ios::app));
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return static_cast<bool>(out);
}
