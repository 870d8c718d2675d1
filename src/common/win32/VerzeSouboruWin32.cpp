// Version of a program file on Windows: its VERSIONINFO resource.
#include "common/VerzeSouboru.h"

#include <windows.h>

#include <vector>

std::string VerzeSouboru(const std::filesystem::path& soubor) {
    DWORD nic = 0;
    const DWORD velikost = GetFileVersionInfoSizeW(soubor.c_str(), &nic);
    if (velikost == 0)
        return {};
    std::vector<unsigned char> data(velikost);
    if (!GetFileVersionInfoW(soubor.c_str(), 0, velikost, data.data()))
        return {};
    VS_FIXEDFILEINFO* pevna = nullptr;
    UINT delka = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&pevna), &delka) ||
        delka < sizeof(VS_FIXEDFILEINFO))
        return {};
    return TextVerze(pevna->dwProductVersionMS, pevna->dwProductVersionLS);
}
