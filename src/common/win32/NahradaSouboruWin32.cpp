// Replacing a file on Windows: CreateFileW(CREATE_NEW), WriteFile, FlushFileBuffers, then
// ReplaceFileW over an existing file (it keeps the old file's attributes and security) or
// MoveFileExW with write-through for a new one.
#include "common/NahradaSouboru.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The usual failures in the portable vocabulary, so that their texts read the same on every
// system; the rest as Windows reports them.
std::error_code ChybaWin(DWORD kod = GetLastError()) {
    switch (kod) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return std::make_error_code(std::errc::permission_denied);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    default:
        return {int(kod), std::system_category()};
    }
}

HANDLE H(std::intptr_t rukojet) {
    return reinterpret_cast<HANDLE>(rukojet);
}

// Temporary files to remove when the console is closed or Ctrl+C ends the program.
std::mutex g_zamek;
std::vector<std::wstring> g_hlidane;

BOOL WINAPI PriUkonceni(DWORD) {
    std::lock_guard<std::mutex> zamek(g_zamek);
    for (const auto& cesta : g_hlidane)
        DeleteFileW(cesta.c_str());
    return FALSE; // the program still ends as it would have
}

} // namespace

namespace platforma {

TDruhCile DruhCile(const fs::path& cesta) {
    const DWORD atributy = GetFileAttributesW(cesta.c_str());
    if (atributy != INVALID_FILE_ATTRIBUTES)
        return (atributy & FILE_ATTRIBUTE_DIRECTORY) ? TDruhCile::dcSlozka : TDruhCile::dcSoubor;
    // Devices (NUL, COM1) have no attributes; ask what opens under the name.
    HANDLE h = CreateFileW(cesta.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return TDruhCile::dcZadny;
    const DWORD typ = GetFileType(h);
    CloseHandle(h);
    if (typ == FILE_TYPE_CHAR || typ == FILE_TYPE_PIPE)
        return TDruhCile::dcZarizeni;
    return typ == FILE_TYPE_DISK ? TDruhCile::dcSoubor : TDruhCile::dcJiny;
}

std::intptr_t VytvorDocasny(const fs::path& docasny, std::error_code& chyba) {
    static std::atomic<bool> instalovano{false};
    if (!instalovano.exchange(true))
        SetConsoleCtrlHandler(PriUkonceni, TRUE);
    HANDLE h = INVALID_HANDLE_VALUE;
    {
        // Created and guarded under the handler's lock: the console handler (a thread of its
        // own) finds either no file or a guarded one.
        std::lock_guard<std::mutex> zamek(g_zamek);
        // FILE_SHARE_DELETE lets the console handler remove it while it is open.
        h = CreateFileW(docasny.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            chyba = ChybaWin();
            return -1;
        }
        g_hlidane.push_back(docasny.native());
    }
    PoVytvoreni();
    return reinterpret_cast<std::intptr_t>(h);
}

int CisloPopisovace(const fs::path&) {
    return -1; // Windows names no descriptors by path
}

std::intptr_t PrevezmiPopisovac(int, std::error_code& chyba) {
    chyba = std::make_error_code(std::errc::bad_file_descriptor);
    return -1;
}

std::intptr_t OtevriZarizeni(const fs::path& cesta, std::error_code& chyba) {
    HANDLE h = CreateFileW(cesta.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        chyba = ChybaWin();
        return -1;
    }
    return reinterpret_cast<std::intptr_t>(h);
}

std::error_code ZapisBlok(std::intptr_t rukojet, std::string_view blok) {
    const char* p = blok.data();
    std::size_t zbyva = blok.size();
    while (zbyva > 0) {
        const DWORD kus = zbyva > (1u << 30) ? DWORD(1u << 30) : DWORD(zbyva);
        DWORD zapsano = 0;
        if (!WriteFile(H(rukojet), p, kus, &zapsano, nullptr))
            return ChybaWin();
        if (zapsano == 0)
            return std::make_error_code(std::errc::io_error);
        p += zapsano;
        zbyva -= zapsano;
    }
    return {};
}

std::error_code Splachni(std::intptr_t rukojet) {
    return FlushFileBuffers(H(rukojet)) ? std::error_code() : ChybaWin();
}

std::error_code Zavri(std::intptr_t rukojet) {
    return CloseHandle(H(rukojet)) ? std::error_code() : ChybaWin();
}

std::error_code Nahrad(const fs::path& docasny, const fs::path& cil) {
    if (GetFileAttributesW(cil.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (ReplaceFileW(cil.c_str(), docasny.c_str(), nullptr,
                         REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                         nullptr))
            return {};
        // A file system without ReplaceFileW (some network shares): the plain move.
        const DWORD kod = GetLastError();
        if (kod != ERROR_UNABLE_TO_MOVE_REPLACEMENT && kod != ERROR_INVALID_PARAMETER &&
            kod != ERROR_NOT_SUPPORTED && kod != ERROR_CALL_NOT_IMPLEMENTED)
            return ChybaWin(kod);
    }
    if (!MoveFileExW(docasny.c_str(), cil.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ChybaWin();
    return {};
}

void Smaz(const fs::path& cesta) {
    DeleteFileW(cesta.c_str());
}

void Pust(const fs::path& docasny) {
    std::lock_guard<std::mutex> zamek(g_zamek);
    for (auto i = g_hlidane.begin(); i != g_hlidane.end(); ++i)
        if (*i == docasny.native()) {
            g_hlidane.erase(i);
            return;
        }
}

} // namespace platforma
