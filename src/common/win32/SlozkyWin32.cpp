// Program file and per-user folders on Windows.
#include "common/Slozky.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdlib>
#include <fstream>

namespace platforma {

std::filesystem::path CestaProgramu() {
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, DWORD(std::size(buffer)));
    return std::filesystem::path(std::wstring(buffer, n));
}

bool LzeZapisovat(const std::filesystem::path& folder) {
    // Windows has no cheap access(W_OK) for folders: try to create a file.
    const auto probe = folder / "merivox-write-probe.tmp";
    bool ok = false;
    {
        std::ofstream out(probe);
        ok = bool(out);
    }
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    return ok;
}

std::filesystem::path DomovskaSlozka() {
    // The user's files belong in Documents; the profile folder is only the fallback.
    wchar_t dokumenty[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, dokumenty) == S_OK)
        return std::filesystem::path(dokumenty);
    const wchar_t* profile = _wgetenv(L"USERPROFILE");
    return profile ? std::filesystem::path(profile) : std::filesystem::temp_directory_path();
}

std::filesystem::path SlozkaUzivatelskehoNastaveni() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    return (appData ? std::filesystem::path(appData) : DomovskaSlozka()) / "Merivox";
}

} // namespace platforma
