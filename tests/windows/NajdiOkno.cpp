// merivox-najdi-okno CAPTION [--minimalizuj | --minimalizovana]: prints how many visible
// top-level windows have exactly this caption, as Windows sees them (the checks of the real
// merivox.exe under Wine find the main window this way, by its caption). --minimalizuj
// minimises them first; --minimalizovana counts only those that are minimised. Exit code 0
// when there is at least one.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {
struct THledani {
    const wchar_t* titulek;
    const wchar_t* volba;
    int pocet = 0;
};

BOOL CALLBACK Zkontroluj(HWND okno, LPARAM parametr) {
    auto* hledani = reinterpret_cast<THledani*>(parametr);
    wchar_t titulek[256];
    if (IsWindowVisible(okno) && GetWindowTextW(okno, titulek, 256) > 0 &&
        std::wcscmp(titulek, hledani->titulek) == 0) {
        if (std::wcscmp(hledani->volba, L"--minimalizuj") == 0)
            ShowWindow(okno, SW_MINIMIZE);
        if (std::wcscmp(hledani->volba, L"--minimalizovana") != 0 || IsIconic(okno))
            ++hledani->pocet;
    }
    return TRUE;
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr,
                     "usage: merivox-najdi-okno CAPTION [--minimalizuj | --minimalizovana]\n");
        return 2;
    }
    THledani hledani{argv[1], argc == 3 ? argv[2] : L""};
    EnumWindows(Zkontroluj, reinterpret_cast<LPARAM>(&hledani));
    std::printf("%d\n", hledani.pocet);
    return hledani.pocet > 0 ? 0 : 1;
}
